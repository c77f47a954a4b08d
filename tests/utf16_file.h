#pragma once

// The bytes of a UTF-16 text file with its byte order mark, as tests write them.

#include <string>
#include <string_view>

namespace tandemix::test {

inline std::string Utf16File(std::u16string_view text, bool bigEndian = false) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

}  // namespace tandemix::test
