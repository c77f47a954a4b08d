#include "settings/file_io.h"

#include "settings/ansi_text.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace tandemix {

namespace {

std::string PathText(const std::filesystem::path& file) { return Utf16ToAnsi(file.u16string()); }

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return std::nullopt;
    throw Error("Cannot read the file " + PathText(file));
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Error CannotWriteError(const std::filesystem::path& file) {
  return Error("Cannot write the file " + PathText(file));
}

}  // namespace tandemix
