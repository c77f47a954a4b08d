#include "startup/file_exists_win.h"

#include <windows.h>

namespace tandemix {

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
      error == ERROR_INVALID_NAME) {
    return false;
  }
  // Locked or hidden from attribute reads: a directory search still sees it.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tandemix
