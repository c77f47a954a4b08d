#include "settings/file_io.h"

#include <windows.h>

#include "platform/owned_handles_win.h"

namespace tandemix {

namespace {

bool WriteAndFlush(const std::filesystem::path& temp, std::string_view bytes) {
  KernelHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  const KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
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

void WriteFileAtomic(const std::filesystem::path& file, std::string_view bytes) {
  // A file the user made read-only is not replaced, whoever runs the program.
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    throw CannotWriteError(file);
  }
  std::filesystem::path temp = file;
  temp += L".tmp" + std::to_wstring(GetCurrentProcessId());
  if (!WriteAndFlush(temp, bytes) ||
      !MoveFileExW(temp.c_str(), file.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp.c_str());
    throw CannotWriteError(file);
  }
}

}  // namespace tandemix
