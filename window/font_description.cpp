#include "window/font_description.h"

#include "settings/ascii_case.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tandemix {
namespace {

struct Named {
  std::u16string_view name;
  std::uint32_t value;
};

constexpr std::uint32_t kSystemColor = 0xFF000000;

// Delphi's colour identifiers; system colours are kSystemColor | COLOR_*.
constexpr Named kColors[] = {
    {u"clBlack", 0x000000},
    {u"clMaroon", 0x000080},
    {u"clGreen", 0x008000},
    {u"clOlive", 0x008080},
    {u"clNavy", 0x800000},
    {u"clPurple", 0x800080},
    {u"clTeal", 0x808000},
    {u"clGray", 0x808080},
    {u"clSilver", 0xC0C0C0},
    {u"clRed", 0x0000FF},
    {u"clLime", 0x00FF00},
    {u"clYellow", 0x00FFFF},
    {u"clBlue", 0xFF0000},
    {u"clFuchsia", 0xFF00FF},
    {u"clAqua", 0xFFFF00},
    {u"clLtGray", 0xC0C0C0},
    {u"clDkGray", 0x808080},
    {u"clWhite", 0xFFFFFF},
    {u"clMoneyGreen", 0xC0DCC0},
    {u"clSkyBlue", 0xF0CAA6},
    {u"clCream", 0xF0FBFF},
    {u"clMedGray", 0xA4A0A0},
    {u"clNone", 0x1FFFFFFF},
    {u"clDefault", 0x20000000},
    {u"clScrollBar", kSystemColor | 0},
    {u"clBackground", kSystemColor | 1},
    {u"clActiveCaption", kSystemColor | 2},
    {u"clInactiveCaption", kSystemColor | 3},
    {u"clMenu", kSystemColor | 4},
    {u"clWindow", kSystemColor | 5},
    {u"clWindowFrame", kSystemColor | 6},
    {u"clMenuText", kSystemColor | 7},
    {u"clWindowText", kSystemColor | 8},
    {u"clCaptionText", kSystemColor | 9},
    {u"clActiveBorder", kSystemColor | 10},
    {u"clInactiveBorder", kSystemColor | 11},
    {u"clAppWorkSpace", kSystemColor | 12},
    {u"clHighlight", kSystemColor | 13},
    {u"clHighlightText", kSystemColor | 14},
    {u"clBtnFace", kSystemColor | 15},
    {u"clBtnShadow", kSystemColor | 16},
    {u"clGrayText", kSystemColor | 17},
    {u"clBtnText", kSystemColor | 18},
    {u"clInactiveCaptionText", kSystemColor | 19},
    {u"clBtnHighlight", kSystemColor | 20},
    {u"cl3DDkShadow", kSystemColor | 21},
    {u"cl3DLight", kSystemColor | 22},
    {u"clInfoText", kSystemColor | 23},
    {u"clInfoBk", kSystemColor | 24},
    {u"clHotLight", kSystemColor | 26},
    {u"clGradientActiveCaption", kSystemColor | 27},
    {u"clGradientInactiveCaption", kSystemColor | 28},
    {u"clMenuHighlight", kSystemColor | 29},
    {u"clMenuBar", kSystemColor | 30},
};

constexpr Named kCharsets[] = {
    {u"ANSI_CHARSET", 0},          {u"DEFAULT_CHARSET", 1},    {u"SYMBOL_CHARSET", 2},
    {u"MAC_CHARSET", 77},          {u"SHIFTJIS_CHARSET", 128}, {u"HANGEUL_CHARSET", 129},
    {u"HANGUL_CHARSET", 129},      {u"JOHAB_CHARSET", 130},    {u"GB2312_CHARSET", 134},
    {u"CHINESEBIG5_CHARSET", 136}, {u"GREEK_CHARSET", 161},    {u"TURKISH_CHARSET", 162},
    {u"VIETNAMESE_CHARSET", 163},  {u"HEBREW_CHARSET", 177},   {u"ARABIC_CHARSET", 178},
    {u"BALTIC_CHARSET", 186},      {u"RUSSIAN_CHARSET", 204},  {u"THAI_CHARSET", 222},
    {u"EASTEUROPE_CHARSET", 238},  {u"OEM_CHARSET", 255},
};

bool SameAsciiText(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, {}, AsciiUpper, AsciiUpper);
}

std::optional<std::uint32_t> FindName(std::span<const Named> names, std::u16string_view field) {
  for (const Named& named : names) {
    if (SameAsciiText(named.name, field)) return named.value;
  }
  return std::nullopt;
}

// Decimal with an optional sign, or hexadecimal after "$" or "0x", as Delphi's
// StrToInt reads them; anything beyond 32 bits is unreadable.
std::optional<std::int64_t> ParseNumber(std::u16string_view field) {
  bool negative = false;
  if (!field.empty() && (field[0] == u'-' || field[0] == u'+')) {
    negative = field[0] == u'-';
    field.remove_prefix(1);
  }
  unsigned base = 10;
  if (field.starts_with(u"$")) {
    base = 16, field.remove_prefix(1);
  } else if (field.starts_with(u"0x") || field.starts_with(u"0X")) {
    base = 16, field.remove_prefix(2);
  }
  if (field.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char16_t c : field) {
    unsigned digit = 0;
    const char16_t upper = AsciiUpper(c);
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (base == 16 && upper >= u'A' && upper <= u'F') {
      digit = upper - u'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > 0xFFFFFFFF) return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<int> NumberIn(std::u16string_view field, std::int64_t low, std::int64_t high) {
  const auto number = ParseNumber(field);
  if (!number || *number < low || *number > high) return std::nullopt;
  return static_cast<int>(*number);
}

std::u16string_view Trim(std::u16string_view field) {
  while (!field.empty() && field.front() <= u' ') field.remove_prefix(1);
  while (!field.empty() && field.back() <= u' ') field.remove_suffix(1);
  return field;
}

std::vector<std::u16string_view> SplitFields(std::u16string_view description) {
  std::vector<std::u16string_view> fields;
  for (;;) {
    const size_t end = description.find_first_of(u",;");
    fields.push_back(Trim(description.substr(0, end)));
    if (end == description.npos) return fields;
    description.remove_prefix(end + 1);
  }
}

void ApplyStyle(FontAttributes& font, std::u16string_view letters) {
  font.bold = font.italic = font.underline = font.strikeOut = false;
  for (char16_t letter : letters) {
    switch (AsciiUpper(letter)) {
      case u'B':
        font.bold = true;
        break;
      case u'I':
        font.italic = true;
        break;
      case u'U':
        font.underline = true;
        break;
      case u'S':
        font.strikeOut = true;
        break;
    }
  }
}

}  // namespace

FontAttributes ApplyFontDescription(FontAttributes font, std::u16string_view description) {
  const std::vector<std::u16string_view> fields = SplitFields(description);
  const auto field = [&](size_t index) {
    return index < fields.size() ? fields[index] : std::u16string_view();
  };
  if (!field(0).empty()) font.name = field(0);
  if (const auto size = NumberIn(field(1), INT32_MIN, INT32_MAX)) font.size = *size;
  if (fields.size() > 2) ApplyStyle(font, field(2));
  if (const auto pitch = NumberIn(field(3), 0, 2)) font.pitch = *pitch;
  if (const auto color = FindName(kColors, field(4))) {
    font.color = *color;
  } else if (const auto number = ParseNumber(field(4))) {
    font.color = static_cast<std::uint32_t>(*number);
  }
  if (const auto charset = FindName(kCharsets, field(5))) {
    font.charset = static_cast<int>(*charset);
  } else if (const auto number = NumberIn(field(5), 0, 255)) {
    font.charset = *number;
  }
  return font;
}

}  // namespace tandemix
