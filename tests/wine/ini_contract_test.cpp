// Our ini reader against the system's profile functions: every file of the
// table is read by both, and every answer must be the same.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/ini_file.h"
#include "tests/wine/wine_test_support.h"
#include "tests/utf16_file.h"

namespace tandemix {
namespace {

using test::Utf16File;

using Names = std::vector<std::u16string>;
using Probe = std::pair<std::u16string, std::u16string>;  // section, key

// What GetPrivateProfileStringW returns for a missing key.
const std::u16string kAbsent = u"<absent>";

struct IniCase {
  const char* label;
  std::string bytes;
  // Names to look up beyond those the system lists: keys it does not list,
  // missing ones, other spellings.
  std::vector<Probe> probes;
};

std::vector<IniCase> Cases() {
  const std::string longValue(3000, 'x');
  auto quoted = [](size_t inner) {
    std::string text(inner + 2, 'q');
    text.front() = text.back() = '"';
    return text;
  };
  return {
      {"blanks around names and values",
       "  [Option]  \r\n  TimeOut  =  15  \r\n\tTranslateMode\t=\t1\t\r\n"
       "Spaced Key = spaced value \r\n\x0BVt\x0C=\x0Bv\x1A\r\nEmpty =\r\nBlank =   \r\n",
       {{u"Option", u"TimeOut "}, {u" Option", u"\tTimeOut"}}},
      {"quotes",
       "[Q]\r\nd=\"double\"\r\ns='single'\r\nmixed=\"a'\r\none=\"\r\nempty=\"\"\r\nempty1=''\r\n"
       "inner=\"a\"b\"\r\npadded= \"  kept  \" \r\nmiddle=x\"y\"\r\nhalf=\"open\r\n",
       {}},
      {"duplicate keys, first wins", "[S]\r\na=1\r\nA=2\r\nb=x\r\na=3\r\n", {}},
      {"duplicate sections, first wins",
       "[S]\r\na=1\r\n[T]\r\nb=1\r\n[s]\r\na=2\r\nc=3\r\n[S]\r\nd=4\r\n",
       {{u"S", u"c"}, {u"S", u"d"}}},
      {"comment lines",
       "; top\r\n[C]\r\n;comment\r\n; key = value\r\n# hash = 1\r\nreal=1\r\n  ;indented=2\r\n",
       {{u"C", u";comment"}, {u"C", u"; key"}, {u"C", u";indented"}}},
      {"lines without equals",
       "[N]\r\nlonely\r\nTimeOut\r\nTimeOut=5\r\nafter=1\r\n",
       {{u"N", u"lonely"}, {u"N", u"TimeOut"}}},
      {"long values",
       "[L]\r\nlong=" + longValue + "\r\nq2045=" + quoted(2045) + "\r\nq2046=" + quoted(2046) +
           "\r\nq2047=" + quoted(2047) + "\r\nq2048=" + quoted(2048) + "\r\n",
       {}},
      {"keys before any section",
       "lead=1\r\nother = 2\r\n[S]\r\nx=1\r\n",
       {{u"", u"lead"}, {u"", u"other"}, {u"S", u"lead"}}},
      {"LF line ends", "[A]\na=1\n\nb = 2\n[B]\nc=3", {}},
      {"CR line ends", "[A]\ra=1\r\rb = 2\r[B]\rc=3\r", {}},
      {"mixed line ends", "[A]\r\na=1\n\r\nb=2\n\rc=3\r\n\r\n[B]\r\nd=4", {}},
      {"section header oddities",
       "[ Spaced ]\r\na=1\r\n[a]b]\r\nb=2\r\n[NoClose\r\nc=3\r\n[]\r\nd=4\r\n[H] ; note\r\ne=5\r\n",
       {{u"Spaced", u"a"}, {u"NoClose", u"c"}, {u"a]b", u"[NoClose"}, {u"", u"d"}}},
      {"equals in value and empty names",
       "=lead\r\n[E]\r\nurl = a=b=c\r\n=x\r\n=y\r\n k = v \r\n[F]\r\n = first\r\nk=1\r\n",
       {{u"E", u""}, {u"", u""}, {u"", u"k"}, {u"F", u""}}},
      {"ANSI bytes above 127", "[Caf\xE9]\r\nna\xEFve=r\xE9sum\xE9\r\n\xC9T\xC9=\xE9t\xE9\r\n", {}},
      // Chinese in the GBK code page (936); other code pages read other letters.
      {"ANSI double-byte text", "[\xD6\xD0\xCE\xC4]\r\n\xC3\xFB\xB3\xC6 = \xD6\xB5\r\n", {}},
      {"ANSI bracket as a second byte",
       "[a\x81]]\r\nk=1\r\n[b\x81]\r\nk=2\r\n",
       {{u"a", u"k"}, {u"b", u"k"}}},
      {"ANSI first byte alone before a break",
       "[S]\r\nk=\x81\r\nnext=1\r\n\x81=v\r\nlast=\xD6",
       {}},
      {"UTF-16 with Chinese",
       Utf16File(u"[\u8BED\u8A00]\r\n\u4E2D\u6587=\u7B80\u4F53\u4E2D\u6587\r\n"
                 u"[Option]\r\nTimeOut = 30\r\n\u540D\u79F0 = \"\u5F15\u53F7\"\r\n"
                 u"wide=\u3000\u5168\u89D2\u3000\r\nnbsp=\u00A0v\u00A0\r\n"),
       {}},
      {"UTF-16 with LF line ends", Utf16File(u"[U]\na=1\nb=\u00E9\n"), {}},
      {"letter case beyond ASCII",
       Utf16File(u"[\u00C4rger]\r\n\u00C9cole=1\r\n"),
       {{u"\u00E4rger", u"\u00E9cole"}, {u"\u00C4rger", u"\u00E9cole"}}},
      {"empty file", "", {{u"S", u"k"}}},
      {"byte order mark only", "\xFF\xFE", {{u"S", u"k"}}},
      {"empty UTF-16 file", std::string("\xFF\xFE\r\0\n\0", 6), {{u"S", u"k"}}},
  };
}

std::u16string AsciiCase(std::u16string text, bool upper) {
  for (char16_t& c : text) {
    if (upper && c >= u'a' && c <= u'z') c -= 0x20;
    if (!upper && c >= u'A' && c <= u'Z') c += 0x20;
  }
  return text;
}

// For failure messages: ASCII as it is, the rest as \uXXXX.
std::string Show(const std::u16string& text) {
  std::string shown;
  for (char16_t c : text) {
    char escaped[8];
    snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
    shown += c >= 0x20 && c < 0x7F ? std::string(1, static_cast<char>(c)) : escaped;
  }
  return "\"" + shown + "\"";
}

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A double-NUL list of returned length characters.
Names SplitList(const std::vector<wchar_t>& buffer, DWORD length) {
  Names names;
  std::u16string current;
  for (DWORD i = 0; i < length; ++i) {
    if (buffer[i] == L'\0') {
      names.push_back(current);
      current.clear();
    } else {
      current += static_cast<char16_t>(buffer[i]);
    }
  }
  if (!current.empty()) names.push_back(current);
  return names;
}

class SystemProfile {
 public:
  explicit SystemProfile(std::filesystem::path file) : file_(std::move(file)) {}

  Names SectionNames() const {
    std::vector<wchar_t> buffer(1 << 16);
    const DWORD length = GetPrivateProfileSectionNamesW(
        buffer.data(), static_cast<DWORD>(buffer.size()), file_.c_str());
    return SplitList(buffer, length);
  }

  Names KeyNames(const std::u16string& section) const {
    std::vector<wchar_t> buffer(1 << 16);
    const DWORD length = GetPrivateProfileStringW(Wide(section), nullptr, L"", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file_.c_str());
    return SplitList(buffer, length);
  }

  std::u16string Value(const std::u16string& section, const std::u16string& key) const {
    std::vector<wchar_t> buffer(kIniValueBufferLength);
    const DWORD length =
        GetPrivateProfileStringW(Wide(section), Wide(key), Wide(kAbsent), buffer.data(),
                                 kIniValueBufferLength, file_.c_str());
    return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length);
  }

 private:
  std::filesystem::path file_;
};

TEST(IniContractTest, OurReaderAnswersAsTheSystem) {
  test::TempDir folder;
  const std::vector<IniCase> cases = Cases();
  for (size_t i = 0; i < cases.size(); ++i) {
    const IniCase& c = cases[i];
    SCOPED_TRACE(c.label);
    // A fresh name for every file: the system keeps recently read files cached.
    const auto file = folder.path() / ("case" + std::to_string(i) + ".ini");
    std::ofstream(file, std::ios::binary) << c.bytes;
    const SystemProfile system(file);
    const IniFile ours = IniFile::Load(file.u16string());

    const Names sections = system.SectionNames();
    EXPECT_EQ(ours.SectionNames(), sections);

    std::set<Probe> probes(c.probes.begin(), c.probes.end());
    for (const std::u16string& section : sections) {
      for (const std::u16string& key : system.KeyNames(section)) {
        probes.insert({section, key});
        for (bool upper : {false, true})
          probes.insert({AsciiCase(section, upper), AsciiCase(key, upper)});
      }
      probes.insert({section, u"missing"});
    }
    probes.insert({u"missing", u"missing"});
    std::set<std::u16string> listed;
    for (const auto& [section, key] : probes) {
      if (listed.insert(section).second) {
        EXPECT_EQ(ours.KeyNames(section), system.KeyNames(section)) << "section " << Show(section);
      }
      EXPECT_EQ(ours.Value(section, key).value_or(kAbsent), system.Value(section, key))
          << "section " << Show(section) << ", key " << Show(key);
    }
  }
}

}  // namespace
}  // namespace tandemix
