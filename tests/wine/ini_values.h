#pragma once

// What an ini file beside the program holds, read with the system's own
// profile functions: the settings the program saved, the texts it ships.

#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/wine/wine_test_support.h"

namespace tandemix::test {

// A value of section [Option], as ANSI text; "<missing>" when the key is not there.
inline std::string IniValue(const std::filesystem::path& file, const wchar_t* key) {
  wchar_t value[256] = {};
  GetPrivateProfileStringW(L"Option", key, L"<missing>", value, 256, file.c_str());
  return Ansi(value);
}

// A text of a shipped file (CHS.ini, ENU.ini, ...); empty when missing.
inline std::wstring ShippedText(const std::filesystem::path& file, const wchar_t* section,
                                const wchar_t* key) {
  wchar_t text[1024] = {};
  GetPrivateProfileStringW(section, key, L"", text, 1024, file.c_str());
  return text;
}

}  // namespace tandemix::test
