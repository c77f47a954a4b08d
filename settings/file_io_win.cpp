#include "settings/file_io.h"

#include <windows.h>

#include "platform/owned_handles_win.h"
#include "platform/wide_win.h"

namespace tandemix {

namespace {

bool WriteAndFlush(const std::u16string& temp, std::string_view bytes) {
  KernelHandle file(CreateFileW(Wide(temp), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const auto size = static_cast<DWORD>(bytes.size());
  const bool ok = WriteFile(file.get(), bytes.data(), size, &written, nullptr) && written == size &&
                  FlushFileBuffers(file.get());
  // A failed close may lose the data too.
  return CloseHandle(file.release()) && ok;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::u16string& path) {
  const KernelHandle file(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::nullopt;
    throw CannotReadError(path);
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) throw CannotReadError(path);
    if (read == 0) return bytes;
    bytes.append(buffer, read);
  }
}

bool PathExists(const std::u16string& file) {
  if (GetFileAttributesW(Wide(file)) != INVALID_FILE_ATTRIBUTES) return true;
  const DWORD error = GetLastError();
  return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}

void WriteFileAtomic(const std::u16string& file, std::string_view bytes) {
  // A file the user made read-only is not replaced, whoever runs the program.
  const DWORD attributes = GetFileAttributesW(Wide(file));
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    throw CannotWriteError(file);
  }
  std::u16string temp = file + u".tmp";
  for (char digit : std::to_string(GetCurrentProcessId())) temp.push_back(digit);
  if (!WriteAndFlush(temp, bytes) ||
      !MoveFileExW(Wide(temp), Wide(file), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(Wide(temp));
    throw CannotWriteError(file);
  }
}

}  // namespace tandemix
