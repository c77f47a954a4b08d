#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tandemix {

// A font as the window's controls carry it, in Delphi's terms.
struct FontAttributes {
  std::u16string name;
  int size = 8;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int pitch = 0;  // TFontPitch order: 0 default, 1 variable, 2 fixed
  // A TColor: 0x00BBGGRR, or 0xFF000000 | COLOR_* for a system colour.
  std::uint32_t color = 0xFF000008;  // clWindowText
  int charset = 1;                   // DEFAULT_CHARSET

  bool operator==(const FontAttributes&) const = default;
};

// Applies "name, size, style, pitch, colour, charset" (commas or semicolons,
// blanks around fields ignored, trailing fields optional) onto base. Style is
// any of the letters B, I, U, S; colour a name such as clBlue or a number
// ($hex or 0xhex too); charset a name such as GB2312_CHARSET or a number.
// An empty or unreadable field keeps what base has, except that an empty style
// field clears the style.
FontAttributes ApplyFontDescription(FontAttributes base, std::u16string_view description);

}  // namespace tandemix
