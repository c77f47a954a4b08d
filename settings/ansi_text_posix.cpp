#include "settings/ansi_text.h"

namespace tandemix {

bool IsAnsiLeadByte(unsigned char) { return false; }

std::u16string AnsiToUtf16(std::string_view text) {
  std::u16string wide;
  for (unsigned char byte : text) wide.push_back(byte);
  return wide;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) bytes.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
  return bytes;
}

}  // namespace tandemix
