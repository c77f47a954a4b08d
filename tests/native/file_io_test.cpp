#include "settings/file_io.h"

#include "settings/error.h"
#include "settings/program_folder.h"
#include "tests/native/temp_folder.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif
#include <unistd.h>

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

struct ReadCase {
  const char* label;
  // Lays out the folder; returns the name to read.
  std::filesystem::path (*arrange)(const std::filesystem::path& folder);
  ReadResult result;
  std::string bytes;
};

std::filesystem::path AFile(const std::filesystem::path& folder) {
  test::WriteBytes(folder / "a.ini", "[Option]\r\n");
  return folder / "a.ini";
}

TEST_F(FileIoTest, AReadTellsAMissingFileFromOneThatIsThereButUnreadable) {
  const ReadCase cases[] = {
      {"a file", AFile, ReadResult::Read, "[Option]\r\n"},
      {"nothing of that name", [](const auto& folder) { return folder / "a.ini"; },
       ReadResult::Missing, ""},
      {"a name below a file", [](const auto& folder) { return AFile(folder) / "b.ini"; },
       ReadResult::Missing, ""},
      {"a folder in its place",
       [](const auto& folder) {
         std::filesystem::create_directory(folder / "a.ini");
         return folder / "a.ini";
       },
       ReadResult::Unreadable, ""},
#ifndef _WIN32
      // Opening fails for another reason than a missing name.
      {"a link to itself",
       [](const auto& folder) {
         std::filesystem::create_symlink(folder / "a.ini", folder / "a.ini");
         return folder / "a.ini";
       },
       ReadResult::Unreadable, ""},
#endif
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.label);
    const std::filesystem::path folder = folder_.path() / c.label;
    std::filesystem::create_directory(folder);
    const FileRead read = ReadWholeFile(c.arrange(folder).u16string());
    EXPECT_EQ(read.result, c.result);
    EXPECT_EQ(read.bytes, c.bytes);
  }
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

TEST_F(FileIoTest, WhereNoNewFileCanBeMadeBesideItTheFileIsRewrittenInPlace) {
  // A folder standing where the new file would be made.
  const std::filesystem::path file = folder_.path() / "ConfigEN.ini";
  const std::string temp = "ConfigEN.ini.tmp" + std::to_string(getpid());
  std::filesystem::create_directory(folder_.path() / temp);
  WriteFileAtomic(file.u16string(), "made");
  EXPECT_EQ(test::FileBytes(file), "made");
  test::WriteBytes(file, "a longer old text");
  WriteFileAtomic(file.u16string(), "shorter");
  EXPECT_EQ(test::FileBytes(file), "shorter");
  EXPECT_EQ(Listing(), (std::set<std::string>{"ConfigEN.ini", temp}));
}

TEST_F(FileIoTest, AReplacedFileKeepsItsAttributesAndPermissions) {
  const std::filesystem::path file = folder_.path() / "ConfigEN.ini";
  test::WriteBytes(file, "old");
#ifdef _WIN32
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), kept));
  ASSERT_EQ(GetFileAttributesW(file.c_str()) & kept, kept);
  WriteFileAtomic(file.u16string(), "new");
  EXPECT_EQ(GetFileAttributesW(file.c_str()) & kept, kept);
#else
  const auto kept = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                    std::filesystem::perms::group_read;
  std::filesystem::permissions(file, kept);
  WriteFileAtomic(file.u16string(), "new");
  EXPECT_EQ(std::filesystem::status(file).permissions(), kept);
#endif
  EXPECT_EQ(test::FileBytes(file), "new");
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
