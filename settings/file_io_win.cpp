#include "settings/file_io.h"

#include <windows.h>

#include <vector>

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

std::filesystem::path ProgramFolder() {
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length < name.size()) {
      return std::filesystem::path(std::wstring(name.data(), length)).parent_path() / "";
    }
    name.resize(name.size() * 2);
  }
}

}  // namespace tandemix
