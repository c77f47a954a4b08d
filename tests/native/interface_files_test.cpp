// What the two loaders of interface files (the message texts and the language
// catalogue) share: which file each interface language reads, a missing file
// made empty, and a file that cannot be made.

#include "application/hint_text.h"
#include "settings/error.h"
#include "temp_folder.h"
#include "window/lang_catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>

namespace tandemix {
namespace {

using test::FileBytes;
using test::TempFolder;

struct Loader {
  const char* label;
  std::function<void(const std::u16string& folder, int langIndex)> load;
  const char* chineseFile;
  const char* englishFile;
};

const Loader kLoaders[] = {
    {"message texts", [](const auto& folder, int i) { GetHintText(folder, i, u"HINT_CAPTION"); },
     "CHS.ini", "ENU.ini"},
    {"language catalogue", [](const auto& folder, int i) { LoadLanguageNames(folder, i); },
     "LangsCN.ini", "LangsEn.ini"},
};

TEST(InterfaceFilesTest, AMissingFileOfTheLanguageIsMadeEmpty) {
  for (const Loader& loader : kLoaders) {
    for (int langIndex : {0, 1, 2, -1}) {
      SCOPED_TRACE(std::string(loader.label) + ", index " + std::to_string(langIndex));
      TempFolder folder;
      loader.load(folder.Folder(), langIndex);
      const char* expected = langIndex == 0 ? loader.chineseFile : loader.englishFile;
      EXPECT_EQ(FileBytes(folder.path() / expected), std::string("\xFF\xFE\r\0\n\0", 6));
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    }
  }
}

TEST(InterfaceFilesTest, AFileThatCannotBeMadeIsAnError) {
  for (const Loader& loader : kLoaders) {
    SCOPED_TRACE(loader.label);
    TempFolder folder;
    EXPECT_THROW(loader.load(folder.Folder() + u"no such folder/", 1), Error);
  }
}

}  // namespace
}  // namespace tandemix
