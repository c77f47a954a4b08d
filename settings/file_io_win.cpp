#include "settings/file_io.h"

#include <windows.h>

#include "platform/owned_handles_win.h"
#include "platform/wide_win.h"

namespace tandemix {

namespace {

// The attributes a replacing file takes over from the one it replaces; the
// system's ReplaceFileW keeps them too, Wine's does not.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool WriteAndFlush(HANDLE file, std::string_view bytes) {
  DWORD written = 0;
  const auto size = static_cast<DWORD>(bytes.size());
  return WriteFile(file, bytes.data(), size, &written, nullptr) && written == size &&
         SetEndOfFile(file) && FlushFileBuffers(file);
}

// The in-place road: the file keeps its identity, attributes and permissions;
// only a crash during the write could leave it short.
void WriteInPlace(const std::u16string& file, std::string_view bytes) {
  KernelHandle handle(CreateFileW(Wide(file), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) throw CannotWriteError(file);
  const bool ok = WriteAndFlush(handle.get(), bytes);
  // A failed close may lose the data too.
  if (!CloseHandle(handle.release()) || !ok) throw CannotWriteError(file);
}

// Puts the new file in the old one's place; a replace that failed after the
// old file was moved away leaves the new one to be moved in.
bool PutInPlace(const std::u16string& temp, const std::u16string& file, bool replacing) {
  if (replacing) {
    if (ReplaceFileW(Wide(file), Wide(temp), nullptr, 0, nullptr, nullptr)) return true;
    if (GetLastError() != ERROR_UNABLE_TO_MOVE_REPLACEMENT) return false;
  }
  return MoveFileExW(Wide(temp), Wide(file), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

FileRead ReadWholeFile(const std::u16string& path) {
  const KernelHandle file(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? ReadResult::Missing : ReadResult::Unreadable, {}};
  }
  FileRead read{ReadResult::Read, {}};
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
      return {ReadResult::Unreadable, {}};
    if (got == 0) return read;
    read.bytes.append(buffer, got);
  }
}

bool PathExists(const std::u16string& file) {
  if (GetFileAttributesW(Wide(file)) != INVALID_FILE_ATTRIBUTES) return true;
  const DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

void WriteFileAtomic(const std::u16string& file, std::string_view bytes) {
  // A file the user made read-only is not replaced, whoever runs the program;
  // nor is a folder of that name.
  const DWORD attributes = GetFileAttributesW(Wide(file));
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    throw CannotWriteError(file);
  }
  std::u16string temp = file + u".tmp";
  for (char digit : std::to_string(GetCurrentProcessId())) temp.push_back(digit);
  const DWORD tempAttributes = exists ? (attributes & kKeptAttributes) : 0;
  KernelHandle handle(CreateFileW(Wide(temp), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  tempAttributes ? tempAttributes : FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
  if (!handle) return WriteInPlace(file, bytes);
  if (exists) {
    // Held open elsewhere without delete sharing, the file cannot be replaced
    // (and Wine's replace would leave a file of its own behind). Where only
    // its permissions forbid removing it, it is still written in place.
    const KernelHandle old(CreateFileW(Wide(file), DELETE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
    if (!old) {
      const DWORD error = GetLastError();
      handle.reset();
      DeleteFileW(Wide(temp));
      if (error == ERROR_SHARING_VIOLATION) throw CannotWriteError(file);
      return WriteInPlace(file, bytes);
    }
  }
  const bool written = WriteAndFlush(handle.get(), bytes);
  if (!CloseHandle(handle.release()) || !written || !PutInPlace(temp, file, exists)) {
    DeleteFileW(Wide(temp));
    throw CannotWriteError(file);
  }
}

}  // namespace tandemix
