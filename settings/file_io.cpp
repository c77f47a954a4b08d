#include "settings/file_io.h"

#include "settings/utf8_text.h"

#include <utility>

namespace tandemix {

std::optional<std::string> ReadFileBytes(const std::u16string& file) {
  FileRead read = ReadWholeFile(file);
  switch (read.result) {
    case ReadResult::Read:
      return std::move(read.bytes);
    case ReadResult::Missing:
      return std::nullopt;
    case ReadResult::Unreadable:
      break;
  }
  throw CannotReadError(file);
}

// Error texts are UTF-8 (settings/error.h), whatever the ANSI code page.
Error CannotReadError(const std::u16string& file) {
  return Error("Cannot read the file " + Utf16ToUtf8(file));
}

Error CannotWriteError(const std::u16string& file) {
  return Error("Cannot write the file " + Utf16ToUtf8(file));
}

}  // namespace tandemix
