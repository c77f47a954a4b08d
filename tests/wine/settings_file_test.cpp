// The settings file on Windows: wide paths, the atomic replace, and the
// system reading what we write.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "settings/error.h"
#include "settings/file_io.h"
#include "settings/program_folder.h"
#include "settings/global.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix {
namespace {

std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

size_t FilesIn(const std::filesystem::path& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(SettingsFileTest, SavesInAFolderWhoseNameIsNotAnsiAndTheSystemReadsIt) {
  test::TempDir temp;
  const auto folder = temp.path() / L"\u8BBE\u7F6E \uD55C";
  std::filesystem::create_directory(folder);
  const auto file = folder / L"ConfigEN.ini";

  TDataObject data(file.u16string());
  data.TimeOut = 42;
  data.TransMothed = "mt.example.org";
  data.SaveToFile();

  EXPECT_EQ(GetPrivateProfileIntW(L"Option", L"TimeOut", 0, file.c_str()), 42u);
  wchar_t host[2048];
  GetPrivateProfileStringW(L"Option", L"TransMothed", L"", host, 2048, file.c_str());
  // mt.example.org under DES-ECB with the key "vestiran", zero-padded, as OpenSSL computes it.
  EXPECT_STREQ(host, L"E89E74D468A70488AAB89307CD38EE79");
  const TDataObject loaded(file.u16string());
  EXPECT_EQ(loaded.TimeOut, 42);
  EXPECT_EQ(loaded.TransMothed, "mt.example.org");
  EXPECT_EQ(FilesIn(folder), 1u);
}

// A file held open elsewhere: without delete sharing (as an editor may hold
// it) it cannot be replaced; without any sharing it cannot even be read, and
// a save that cannot read what else the file holds must not overwrite it.
struct HeldFileCase {
  const char* label;
  DWORD sharing;
  const char* message;
};

TEST(SettingsFileTest, AFileHeldOpenElsewhereStaysAsItWas) {
  for (const HeldFileCase& c :
       {HeldFileCase{"held for reading", FILE_SHARE_READ, "Cannot write the file "},
        HeldFileCase{"held without sharing", 0, "Cannot read the file "}}) {
    SCOPED_TRACE(c.label);
    test::TempDir temp;
    const auto file = temp.path() / L"ConfigEN.ini";
    const std::string before = "[Option]\r\nTimeOut=20\r\n[Other]\r\nkept=1\r\n";
    std::ofstream(file, std::ios::binary) << before;
    TDataObject data(file.u16string());
    data.TimeOut = 30;
    KernelHandle held(CreateFileW(file.c_str(), GENERIC_READ, c.sharing, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    try {
      data.SaveToFile();
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), c.message + file.string());
    }
    held.reset();
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_EQ(FilesIn(temp.path()), 1u);
  }
}

TEST(SettingsFileTest, ProgramFolderIsTheRunningProgramsFolder) {
  const std::u16string folder = ProgramFolder();
  EXPECT_EQ(folder.back(), u'\\');
  EXPECT_TRUE(std::filesystem::exists(folder + u"settings_file_test.exe"));
}

}  // namespace
}  // namespace tandemix
