#include "settings/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "settings/utf8_text.h"

namespace tandemix {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::u16string& path) {
  const int fd = open(Utf16ToUtf8(path).c_str(), O_RDONLY);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throw CannotReadError(path);
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0) {
      close(fd);
      throw CannotReadError(path);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return bytes;
}

bool PathExists(const std::u16string& file) {
  struct stat status;
  return stat(Utf16ToUtf8(file).c_str(), &status) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

void WriteFileAtomic(const std::u16string& file, std::string_view bytes) {
  const std::string name = Utf16ToUtf8(file);
  const std::string temp = name + ".tmp" + std::to_string(getpid());
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) throw CannotWriteError(file);
  bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (!ok || std::rename(temp.c_str(), name.c_str()) != 0) {
    unlink(temp.c_str());
    throw CannotWriteError(file);
  }
}

}  // namespace tandemix
