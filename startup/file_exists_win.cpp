#include "startup/file_exists_win.h"

#include <windows.h>

#include "platform/owned_handles_win.h"
#include "settings/ansi_text.h"

namespace tandemix {
namespace {

// The A calls convert with the ANSI code page just so.
std::wstring FromAnsi(const std::string& path) {
  const std::u16string wide = AnsiToUtf16(path);
  return std::wstring(wide.begin(), wide.end());
}

}  // namespace

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(FromAnsi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) { return FileExists(FromAnsi(path)); }

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
        error == ERROR_INVALID_NAME) {
      return false;
    }
    // Locked or hidden from attribute reads: a directory search still sees it.
    WIN32_FIND_DATAW found;
    const SearchHandle search(FindFirstFileW(path.c_str(), &found));
    attributes = search ? found.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
  }
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tandemix
