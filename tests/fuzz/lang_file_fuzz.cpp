// The interface-language files: any bytes parse, and whatever the file holds,
// broken characters included, never swallows the line break of a line after it.

#include "tests/fuzz/fuzz_support.h"
#include "window/lang_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tandemix::fuzz {
namespace {

// A line in the file's own encoding, with the line break in front.
std::string AppendedLine(std::string_view bytes, std::u16string_view line) {
  const bool little = bytes.starts_with("\xFF\xFE"), big = bytes.starts_with("\xFE\xFF");
  if (!little && !big) return "\n" + std::string(line.begin(), line.end());
  std::string out;
  for (char16_t unit : u"\r\n" + std::u16string(line)) {
    const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
    out += little ? std::string{low, high} : std::string{high, low};
  }
  return out;
}

}  // namespace
}  // namespace tandemix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const LangFile file = LangFile::Parse(bytes);
  file.Text(u"btnStart");
  file.Text(kDefaultFontKey);

  // The key's characters come only from the byte 0x7F: the file cannot hold it before.
  const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
  if (bytes.find('\x7F') != std::string_view::npos || (utf16 && size % 2 != 0)) return 0;
  const std::string longer = std::string(bytes) + AppendedLine(bytes, u"\x7F\x7Fk=ok<BR>!");
  Check(LangFile::Parse(longer).Text(u"\x7F\x7FK") == u"ok\r\n!", "a line after any bytes reads");
  return 0;
}
