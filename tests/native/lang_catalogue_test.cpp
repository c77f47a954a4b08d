#include "window/lang_catalogue.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace tandemix {
namespace {

using test::TempFolder;
using test::WriteBytes;

using Names = std::vector<std::u16string>;

TEST(LangCatalogueTest, NamesAreTheValuesBeforeTheirFirstColon) {
  TempFolder folder;
  WriteBytes(folder.path() / "LangsEn.ini",
             "[List]\r\n"
             "Lang2=English:en\r\n"
             "Lang1=Deutsch:de\r\n"
             "Lang3=Chinese:zh:CN\r\n"
             "Lang4=no colon\r\n"
             "Lang5=:xx\r\n"
             "Lang6=\r\n"
             "[Other]\r\n"
             "Lang7=Elsewhere:el\r\n");
  EXPECT_EQ(LoadLanguageNames(folder.Folder(), 1),
            (Names{u"English", u"Deutsch", u"Chinese", u"", u"", u""}));
}

TEST(LangCatalogueTest, EachInterfaceLanguageHasItsFile) {
  TempFolder folder;
  WriteBytes(folder.path() / "LangsCN.ini", "[List]\r\nA=cn:x\r\n");
  WriteBytes(folder.path() / "LangsEn.ini", "[List]\r\nA=en:x\r\n");
  EXPECT_EQ(LoadLanguageNames(folder.Folder(), 0), Names{u"cn"});
  EXPECT_EQ(LoadLanguageNames(folder.Folder(), 1), Names{u"en"});
  EXPECT_EQ(LoadLanguageNames(folder.Folder(), 3), Names{u"en"});
}

TEST(LangCatalogueTest, SavedIndexOutsideTheListSelectsNothing) {
  struct Case {
    int saved;
    size_t count;
    int expected;
  } cases[] = {{0, 14, 0}, {13, 14, 13}, {14, 14, -1}, {-1, 14, -1}, {0, 0, -1}, {-5, 0, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(SelectionIndex(c.saved, c.count), c.expected) << c.saved << " of " << c.count;
  }
}

}  // namespace
}  // namespace tandemix
