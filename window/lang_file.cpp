#include "window/lang_file.h"

#include "settings/ansi_text.h"
#include "settings/ascii_case.h"

#include <algorithm>

namespace tandemix {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
  }
  return text;
}

// A broken sequence becomes one replacement character, so one bad byte cannot
// swallow the line break after it.
std::u16string DecodeUtf8(std::string_view bytes) {
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

std::u16string DecodeText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (bytes.starts_with("\xEF\xBB\xBF")) return DecodeUtf8(bytes.substr(3));
  return AnsiToUtf16(bytes);
}

std::u16string ExpandLineBreaks(std::u16string_view value) {
  constexpr std::u16string_view kBreak = u"<BR>";
  std::u16string text;
  size_t from = 0;
  for (size_t at; (at = value.find(kBreak, from)) != value.npos; from = at + kBreak.size()) {
    text.append(value.substr(from, at - from)).append(u"\r\n");
  }
  return text.append(value.substr(from));
}

}  // namespace

bool LangFile::AsciiCaseLess::operator()(std::u16string_view a, std::u16string_view b) const {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char16_t x, char16_t y) { return AsciiUpper(x) < AsciiUpper(y); });
}

LangFile LangFile::Parse(std::string_view bytes) {
  const std::u16string text = DecodeText(bytes);
  LangFile file;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find_first_of(u"\r\n", begin);
    if (end == text.npos) end = text.size();
    const std::u16string_view line(text.data() + begin, end - begin);
    if (const size_t equals = line.find(u'='); equals != line.npos) {
      // The first line of a key wins, as a lookup in a list of lines finds it.
      file.texts_.try_emplace(std::u16string(line.substr(0, equals)),
                              ExpandLineBreaks(line.substr(equals + 1)));
    }
    begin = end + (text.compare(end, 2, u"\r\n") == 0 ? 2 : 1);
  }
  return file;
}

std::u16string LangFile::Text(std::u16string_view key) const {
  const auto found = texts_.find(key);
  return found == texts_.end() ? std::u16string() : found->second;
}

}  // namespace tandemix
