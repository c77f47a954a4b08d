#include "platform/file_exists_win.h"

#include <windows.h>

#include "platform/owned_handles_win.h"
#include "platform/wide_win.h"

namespace tandemix {

bool FolderExists(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::u16string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
        error == ERROR_INVALID_NAME) {
      return false;
    }
    // Locked or hidden from attribute reads: a directory search still sees it.
    WIN32_FIND_DATAW found;
    const SearchHandle search(FindFirstFileW(Wide(path), &found));
    attributes = search ? found.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
  }
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace tandemix
