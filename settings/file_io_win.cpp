#include "settings/file_io.h"

#include <windows.h>

namespace tandemix {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    const bool closed = !valid() || CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool WriteAndFlush(const std::filesystem::path& temp, std::string_view bytes) {
  FileHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD written = 0;
  const auto size = static_cast<DWORD>(bytes.size());
  const bool ok = WriteFile(file.get(), bytes.data(), size, &written, nullptr) && written == size &&
                  FlushFileBuffers(file.get());
  return file.Close() && ok;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
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
