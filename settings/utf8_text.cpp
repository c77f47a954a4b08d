#include "settings/utf8_text.h"

namespace tandemix {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& bytes, char32_t code) {
  if (code < 0x80) {
    bytes.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    bytes.push_back(static_cast<char>(0xC0 | code >> 6));
    bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    bytes.push_back(static_cast<char>(0xE0 | code >> 12));
    bytes.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    bytes.push_back(static_cast<char>(0xF0 | code >> 18));
    bytes.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
    bytes.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string text;
  size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      text.push_back(lead);
      ++i;
      continue;
    }
    size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, code = lead & 0x07, smallest = 0x10000;
    }
    size_t read = 1;
    for (; read < length && i + read < bytes.size(); ++read) {
      const auto next = static_cast<unsigned char>(bytes[i + read]);
      if ((next & 0xC0) != 0x80) break;
      code = code << 6 | (next & 0x3F);
    }
    i += read;
    if (read != length || code < smallest || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
      text.push_back(kReplacement);
    } else if (code >= 0x10000) {
      code -= 0x10000;
      text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      text.push_back(static_cast<char16_t>(code));
    }
  }
  return text;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = kReplacement;
    }
    AppendUtf8(bytes, code);
  }
  return bytes;
}

}  // namespace tandemix
