#include "settings/file_io.h"

namespace tandemix {

namespace {

// Error texts are UTF-8 (settings/error.h), whatever the ANSI code page.
std::string PathText(const std::filesystem::path& file) {
  const std::u8string text = file.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

Error CannotReadError(const std::filesystem::path& file) {
  return Error("Cannot read the file " + PathText(file));
}

Error CannotWriteError(const std::filesystem::path& file) {
  return Error("Cannot write the file " + PathText(file));
}

}  // namespace tandemix
