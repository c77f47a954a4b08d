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

bool WriteInPlace(const std::string& name, std::string_view bytes) {
  const int fd = open(name.c_str(), O_WRONLY | O_CREAT, 0666);
  if (fd < 0) return false;
  bool ok =
      WriteAll(fd, bytes) && ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && fsync(fd) == 0;
  return close(fd) == 0 && ok;
}

}  // namespace

FileRead ReadWholeFile(const std::u16string& path) {
  const int fd = open(Utf16ToUtf8(path).c_str(), O_RDONLY);
  if (fd < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? ReadResult::Missing : ReadResult::Unreadable, {}};
  }
  FileRead read{ReadResult::Read, {}};
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      read = {ReadResult::Unreadable, {}};
      break;
    }
    if (got == 0) break;
    read.bytes.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return read;
}

bool PathExists(const std::u16string& file) {
  struct stat status;
  return stat(Utf16ToUtf8(file).c_str(), &status) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

void WriteFileAtomic(const std::u16string& file, std::string_view bytes) {
  const std::string name = Utf16ToUtf8(file);
  const std::string temp = name + ".tmp" + std::to_string(getpid());
  struct stat old;
  const bool exists = stat(name.c_str(), &old) == 0;
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) {
    if (!WriteInPlace(name, bytes)) throw CannotWriteError(file);
    return;
  }
  bool ok =
      (!exists || fchmod(fd, old.st_mode & 07777) == 0) && WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  if (!ok || std::rename(temp.c_str(), name.c_str()) != 0) {
    unlink(temp.c_str());
    throw CannotWriteError(file);
  }
}

}  // namespace tandemix
