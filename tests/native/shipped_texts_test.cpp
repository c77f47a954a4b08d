// The text files shipped beside the program: a key missing here shows the
// user an empty message box or leaves a Chinese text in the English window.
#include "settings/ini_file.h"
#include "window/font_description.h"
#include "window/form_layout.h"
#include "application/hint_text.h"
#include "window/lang_catalogue.h"
#include "window/lang_file.h"
#include "window/lang_keys.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace tandemix {
namespace {

using test::FileBytes;
using test::TempFolder;

const std::filesystem::path kShipFolder =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
    "ship";

constexpr int kChinese = 0;
constexpr int kEnglish = 1;

// Read through the program's loaders, on a copy: they create a file they miss.
class ShippedTextsTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::copy(kShipFolder, folder_.path()); }
  TempFolder folder_;
};

TEST_F(ShippedTextsTest, AllAreUtf16WithAByteOrderMark) {
  for (const char* name :
       {"CHS.ini", "ENU.ini", "LangsCN.ini", "LangsEn.ini", "CHS.txt", "ENU.txt"}) {
    EXPECT_TRUE(FileBytes(kShipFolder / name).starts_with("\xFF\xFE")) << name;
  }
}

TEST_F(ShippedTextsTest, EveryHintTheProgramShowsIsThere) {
  const std::u16string keys[] = {
      u"HINT_CAPTION",
      u"NOT_SELECT_SENDLANG",
      u"NOT_SELECT_RECVLANG",
      u"TRAYINCON_BALLOON_CAPTION",
      u"TRAYINCON_BALLOON_CONTENT",
      u"YAHOOMESSENGER_NOT_INSTALL",
      u"MUST_RUNAS_ADMIN",
  };
  for (int langIndex : {kChinese, kEnglish}) {
    for (const std::u16string& key : keys) {
      EXPECT_FALSE(GetHintText(folder_.Folder(), langIndex, key).empty())
          << std::filesystem::path(HintFileName(langIndex)) << " "
          << std::string(key.begin(), key.end());
    }
  }
}

std::vector<std::u16string> Codes(const std::filesystem::path& file) {
  const IniFile catalogue = IniFile::Load(file.u16string());
  std::vector<std::u16string> codes;
  for (const std::u16string& key : catalogue.KeyNames(u"List")) {
    const std::u16string value = catalogue.Value(u"List", key).value_or(u"");
    const size_t colon = value.find(u':');
    codes.push_back(colon == value.npos ? u"" : value.substr(colon + 1));
  }
  return codes;
}

TEST_F(ShippedTextsTest, BothCataloguesListTheSameLanguagesInOrder) {
  const std::vector<std::u16string> codes = {u"zh-CN", u"zh-TW", u"en", u"fr", u"de", u"ja", u"ru",
                                             u"fi",    u"da",    u"nl", u"no", u"it", u"pt", u"es"};
  for (int langIndex : {kChinese, kEnglish}) {
    const std::filesystem::path file = folder_.path() / CatalogueFileName(langIndex);
    EXPECT_EQ(Codes(file), codes) << file;
    const std::vector<std::u16string> names = LoadLanguageNames(folder_.Folder(), langIndex);
    EXPECT_EQ(names.size(), codes.size()) << file;
    EXPECT_EQ(std::ranges::count(names, u""), 0) << file;
  }
  EXPECT_EQ(LoadLanguageNames(folder_.Folder(), kEnglish)[0], u"Chinese (Simplified)");
  EXPECT_EQ(LoadLanguageNames(folder_.Folder(), kChinese)[0], u"\u4E2D\u6587(\u7B80\u4F53)");
}

bool IsAscii(std::u16string_view text) {
  return std::ranges::all_of(text, [](char16_t c) { return c < 0x80; });
}

TEST_F(ShippedTextsTest, InterfaceLanguagesCoverEveryVisibleText) {
  const char16_t* components[] = {
      u"FunctionSheet",   u"grpTranOption", u"lblSendLang",    u"lblRecvLang", u"SystemSetSheet",
      u"chkNeedConfirm",  u"chkAutoRead",   u"chkSaveHistory", u"AboutSheet",  u"btnStart",
      u"btnStop",         u"btnExit",       u"mniMainWindow",  u"mniExitApp",  u"lblVersionHint",
      u"lblContactEmail", u"lblWebSite",
  };
  const LangFile chinese = LangFile::Parse(FileBytes(kShipFolder / "CHS.txt"));
  const LangFile english = LangFile::Parse(FileBytes(kShipFolder / "ENU.txt"));
  std::vector<std::u16string> keys = {TextKey(u"", u"Caption")};
  for (const char16_t* component : components) keys.push_back(TextKey(component, u"Caption"));
  for (const std::u16string& key : keys) {
    const std::string name(key.begin(), key.end());
    EXPECT_FALSE(chinese.Text(key).empty()) << name;
    const std::u16string text = english.Text(key);
    EXPECT_FALSE(text.empty()) << name;
    EXPECT_TRUE(IsAscii(text)) << name;
  }
  EXPECT_EQ(english.Text(TextKey(u"btnStart", u"Caption")), u"&Start");
  EXPECT_EQ(chinese.Text(TextKey(u"btnExit", u"Caption")), u"\u9000       \u51FA(&X)");
}

// The key after "&", lower case; 0 when the text has none or more than one.
char16_t Mnemonic(std::u16string_view text) {
  const size_t at = text.find(u'&');
  if (at == std::u16string_view::npos || at + 1 == text.size()) return 0;
  if (text.find(u'&', at + 1) != std::u16string_view::npos) return 0;
  const char16_t key = text[at + 1];
  return key >= u'A' && key <= u'Z' ? key - u'A' + u'a' : key;
}

// Alt and a letter presses a button: each needs its own letter in every language.
TEST_F(ShippedTextsTest, ButtonsHaveOneDistinctMnemonicInEveryLanguage) {
  const LangFile chinese = LangFile::Parse(FileBytes(kShipFolder / "CHS.txt"));
  const LangFile english = LangFile::Parse(FileBytes(kShipFolder / "ENU.txt"));
  const auto stored = [](const char* name) { return FindComponent(name).text; };
  const auto fromFile = [](const LangFile& file) {
    return [&file](const char* name) {
      return file.Text(TextKey(std::u16string(name, name + strlen(name)), u"Caption"));
    };
  };
  const std::vector<std::function<std::u16string(const char*)>> languages = {
      stored, fromFile(chinese), fromFile(english)};
  for (const auto& caption : languages) {
    std::vector<char16_t> keys;
    for (const char* button : {"btnStart", "btnStop", "btnExit"}) {
      const char16_t key = Mnemonic(caption(button));
      EXPECT_NE(key, 0) << button;
      EXPECT_EQ(std::ranges::count(keys, key), 0) << button;
      keys.push_back(key);
    }
  }
  EXPECT_EQ(stored("btnExit"), chinese.Text(TextKey(u"btnExit", u"Caption")))
      << "the stored texts are the Chinese ones";
}

TEST_F(ShippedTextsTest, DefaultFontsNameAFontForTheirScript) {
  const FontAttributes base;
  const FontAttributes chinese = ApplyFontDescription(
      base, LangFile::Parse(FileBytes(kShipFolder / "CHS.txt")).Text(kDefaultFontKey));
  const FontAttributes english = ApplyFontDescription(
      base, LangFile::Parse(FileBytes(kShipFolder / "ENU.txt")).Text(kDefaultFontKey));
  EXPECT_EQ(chinese.name, u"Tahoma");
  EXPECT_EQ(chinese.charset, 134);  // GB2312_CHARSET
  EXPECT_EQ(english.name, u"Tahoma");
  EXPECT_EQ(english.size, 8);
  EXPECT_EQ(english.charset, 1);  // DEFAULT_CHARSET: back from Chinese
}

}  // namespace
}  // namespace tandemix
