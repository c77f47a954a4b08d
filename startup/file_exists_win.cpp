#include "startup/file_exists_win.h"

#include <windows.h>

namespace tandemix {
namespace {

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }
DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

DWORD FoundAttributes(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return INVALID_FILE_ATTRIBUTES;
  FindClose(search);
  return found.dwFileAttributes;
}

DWORD FoundAttributes(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return INVALID_FILE_ATTRIBUTES;
  FindClose(search);
  return found.dwFileAttributes;
}

template <typename Path>
bool IsFile(const Path& path) {
  DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
        error == ERROR_INVALID_NAME) {
      return false;
    }
    // Locked or hidden from attribute reads: a directory search still sees it.
    attributes = FoundAttributes(path);
  }
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool FolderExists(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) { return IsFile(path); }
bool FileExists(const std::wstring& path) { return IsFile(path); }

}  // namespace tandemix
