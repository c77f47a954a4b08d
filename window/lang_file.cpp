#include "window/lang_file.h"

#include "settings/ansi_text.h"
#include "settings/ascii_case.h"
#include "settings/utf8_text.h"

#include <algorithm>

namespace tandemix {
namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
  }
  return text;
}

std::u16string DecodeText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
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
