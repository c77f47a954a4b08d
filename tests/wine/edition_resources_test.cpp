// What each edition's executable carries: its version resource and the
// application manifest, read the way Explorer and the loader read them.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/program_driver.h"

namespace tandemix::test {
namespace {

struct EditionVersion {
  Edition edition;
  WORD numbers[4];
  const wchar_t* text;
};

std::wstring VersionString(const std::vector<char>& info, const std::wstring& name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring path = L"\\StringFileInfo\\040904E4\\" + name;
  if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
    return L"<missing>";
  }
  return std::wstring(value, wcsnlen(value, length));
}

class EditionResourcesTest : public ::testing::TestWithParam<EditionVersion> {};

TEST_P(EditionResourcesTest, VersionResourceNamesTheEditionsNumbers) {
  const std::wstring exe = ProgramExe(GetParam().edition).wstring();
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, info.size(), info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const WORD* n = GetParam().numbers;
  EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(n[1], n[0])));
  EXPECT_EQ(fixed->dwFileVersionLS, DWORD(MAKELONG(n[3], n[2])));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

  EXPECT_EQ(VersionString(info, L"ProductName"), L"Tandemix");
  EXPECT_EQ(VersionString(info, L"InternalName"), L"Tandemix.exe");
  EXPECT_EQ(VersionString(info, L"ProductVersion"), L"3.0");
  EXPECT_EQ(VersionString(info, L"FileVersion"), GetParam().text);
  EXPECT_NE(VersionString(info, L"CompanyName"), L"<missing>");

  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  EXPECT_EQ(translation->language, 0x0409);
  EXPECT_EQ(translation->codePage, 1252);
}

TEST_P(EditionResourcesTest, ManifestAsksNoElevationAndCommonControlsSix) {
  HMODULE module =
      LoadLibraryExW(ProgramExe(GetParam().edition).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                             SizeofResource(module, found));
  EXPECT_NE(manifest.find("level=\"asInvoker\" uiAccess=\"false\""), std::string::npos);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionResourcesTest,
                         ::testing::Values(EditionVersion{Edition::Pro, {4, 1, 1, 0}, L"4.1.1.0"},
                                           EditionVersion{
                                               Edition::Standard, {4, 2, 1, 0}, L"4.2.1.0"}));

}  // namespace
}  // namespace tandemix::test
