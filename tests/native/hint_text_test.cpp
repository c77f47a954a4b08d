#include "window/hint_text.h"

#include "settings/error.h"
#include "temp_folder.h"
#include "tests/utf16_file.h"

#include <gtest/gtest.h>

namespace tandemix {
namespace {

using test::Utf16File;

using test::FileBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(HintTextTest, EnglishUnlessTheIndexIsChinese) {
  EXPECT_EQ(HintFileName(0), "CHS.ini");
  for (int langIndex : {1, 2, -1}) EXPECT_EQ(HintFileName(langIndex), "ENU.ini") << langIndex;
}

TEST(HintTextTest, ReadsSectionHintOfTheLanguagesFile) {
  TempFolder folder;
  WriteBytes(folder.path() / "CHS.ini", Utf16File(u"[Hint]\r\nHINT_CAPTION=\u63D0\u793A\r\n"));
  WriteBytes(folder.path() / "ENU.ini",
             Utf16File(u"[Other]\r\nGONE=x\r\n[Hint]\r\nHINT_CAPTION=Information\r\n"));
  EXPECT_EQ(GetHintText(folder.path(), 0, u"HINT_CAPTION"), u"\u63D0\u793A");
  EXPECT_EQ(GetHintText(folder.path(), 1, u"HINT_CAPTION"), u"Information");
  EXPECT_EQ(GetHintText(folder.path(), 5, u"HINT_CAPTION"), u"Information");
  EXPECT_EQ(GetHintText(folder.path(), 1, u"GONE"), u"");
  EXPECT_EQ(GetHintText(folder.path(), 1, u"MUST_RUNAS_ADMIN"), u"");
}

TEST(HintTextTest, ReadsTheFileAnewEachTime) {
  TempFolder folder;
  WriteBytes(folder.path() / "ENU.ini", Utf16File(u"[Hint]\r\nK=before\r\n"));
  EXPECT_EQ(GetHintText(folder.path(), 1, u"K"), u"before");
  WriteBytes(folder.path() / "ENU.ini", Utf16File(u"[Hint]\r\nK=after\r\n"));
  EXPECT_EQ(GetHintText(folder.path(), 1, u"K"), u"after");
}

TEST(HintTextTest, MissingFileIsCreatedEmpty) {
  TempFolder folder;
  EXPECT_EQ(GetHintText(folder.path(), 0, u"HINT_CAPTION"), u"");
  EXPECT_EQ(FileBytes(folder.path() / "CHS.ini"), std::string("\xFF\xFE\r\0\n\0", 6));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "ENU.ini"));
}

TEST(HintTextTest, FileThatCannotBeCreatedIsAnError) {
  TempFolder folder;
  EXPECT_THROW(GetHintText(folder.path() / "no such folder", 1, u"HINT_CAPTION"), Error);
}

}  // namespace
}  // namespace tandemix
