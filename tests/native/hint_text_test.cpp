#include "application/hint_text.h"

#include "temp_folder.h"
#include "tests/utf16_file.h"

#include <gtest/gtest.h>

namespace tandemix {
namespace {

using test::Utf16File;

using test::TempFolder;
using test::WriteBytes;

TEST(HintTextTest, ReadsSectionHintOfTheLanguagesFile) {
  TempFolder folder;
  WriteBytes(folder.path() / "CHS.ini", Utf16File(u"[Hint]\r\nHINT_CAPTION=\u63D0\u793A\r\n"));
  WriteBytes(folder.path() / "ENU.ini",
             Utf16File(u"[Other]\r\nGONE=x\r\n[Hint]\r\nHINT_CAPTION=Information\r\n"));
  EXPECT_EQ(GetHintText(folder.Folder(), 0, u"HINT_CAPTION"), u"\u63D0\u793A");
  EXPECT_EQ(GetHintText(folder.Folder(), 1, u"HINT_CAPTION"), u"Information");
  EXPECT_EQ(GetHintText(folder.Folder(), 5, u"HINT_CAPTION"), u"Information");
  EXPECT_EQ(GetHintText(folder.Folder(), 1, u"GONE"), u"");
  EXPECT_EQ(GetHintText(folder.Folder(), 1, u"MUST_RUNAS_ADMIN"), u"");
}

TEST(HintTextTest, ReadsTheFileAnewEachTime) {
  TempFolder folder;
  WriteBytes(folder.path() / "ENU.ini", Utf16File(u"[Hint]\r\nK=before\r\n"));
  EXPECT_EQ(GetHintText(folder.Folder(), 1, u"K"), u"before");
  WriteBytes(folder.path() / "ENU.ini", Utf16File(u"[Hint]\r\nK=after\r\n"));
  EXPECT_EQ(GetHintText(folder.Folder(), 1, u"K"), u"after");
}

}  // namespace
}  // namespace tandemix
