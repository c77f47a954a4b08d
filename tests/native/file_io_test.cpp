#include "settings/file_io.h"

#include "settings/error.h"
#include "settings/program_folder.h"
#include "tests/native/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tandemix {
namespace {

using namespace std::string_literals;

class FileIoTest : public ::testing::Test {
 protected:
  // Names of what lies in the folder, to see that no temporary file stays.
  std::set<std::string> Listing() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  test::TempFolder folder_;
};

TEST_F(FileIoTest, ReadsTheWholeFileOrNothingWhenItIsMissing) {
  const std::filesystem::path file = folder_.path() / "a.ini";
  EXPECT_EQ(ReadFileBytes(file.u16string()), std::nullopt);
  test::WriteBytes(file, "\xFF\xFE\r\0\n\0\x1A"s);
  EXPECT_EQ(ReadFileBytes(file.u16string()), "\xFF\xFE\r\0\n\0\x1A"s);
}

TEST_F(FileIoTest, AFileThatCannotBeReadIsAnErrorNamingItAsTheUserDoes) {
  // A folder in the file's place exists but cannot be read as a file; the
  // name comes back as the user wrote it (UTF-8), whatever the code page.
  const std::filesystem::path file = folder_.path() / u8"设置.ini";
  std::filesystem::create_directory(file);
  try {
    ReadFileBytes(file.u16string());
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    const std::u8string name = file.u8string();
    EXPECT_EQ(error.what(), "Cannot read the file " + std::string(name.begin(), name.end()));
  }
}

TEST_F(FileIoTest, WritesANewFileAndReplacesAnOldOne) {
  const std::filesystem::path file = folder_.path() / "ConfigEN.ini";
  WriteFileAtomic(file.u16string(), "first");
  EXPECT_EQ(test::FileBytes(file), "first");
  WriteFileAtomic(file.u16string(), "second\0"s);
  EXPECT_EQ(test::FileBytes(file), "second\0"s);
  EXPECT_EQ(Listing(), std::set<std::string>{"ConfigEN.ini"});
}

TEST_F(FileIoTest, AFailedWriteNamesTheFileAndLeavesNoTemporaryFile) {
  // A folder in the file's place: the new file cannot be put there.
  const std::filesystem::path file = folder_.path() / "ConfigEN.ini";
  std::filesystem::create_directory(file);
  test::WriteBytes(file / "inside", "kept");
  try {
    WriteFileAtomic(file.u16string(), "new");
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), "Cannot write the file " + file.string());
  }
  EXPECT_EQ(test::FileBytes(file / "inside"), "kept");
  EXPECT_EQ(Listing(), std::set<std::string>{"ConfigEN.ini"});
}

TEST(ProgramFolderTest, IsTheFolderOfTheRunningProgramWithASeparator) {
  const std::filesystem::path folder = ProgramFolder();
  EXPECT_EQ(folder.native().back(), std::filesystem::path::preferred_separator);
#ifdef _WIN32
  EXPECT_TRUE(std::filesystem::exists(folder / "native_tests.exe"));
#else
  EXPECT_TRUE(std::filesystem::exists(folder / "native_tests"));
#endif
}

}  // namespace
}  // namespace tandemix
