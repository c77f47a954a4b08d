#pragma once

#include <map>
#include <string>
#include <string_view>

namespace tandemix {

// The only header key the program reads: the font the texts are drawn with.
inline constexpr std::u16string_view kDefaultFontKey = u"!TranslationDefaultFont";

// An interface-language file (CHS.txt, ENU.txt): "key=value" lines, "<BR>" in a
// value standing for a line break.
class LangFile {
 public:
  // From the file's bytes: UTF-16LE, UTF-16BE or UTF-8 after their byte order
  // mark, the ANSI code page without one.
  static LangFile Parse(std::string_view bytes);

  // Empty both when the key is missing and when its value is: either way the
  // property keeps the text it has. Keys match ignoring ASCII case, as the
  // component names they are built from do.
  std::u16string Text(std::u16string_view key) const;

 private:
  struct AsciiCaseLess {
    using is_transparent = void;
    bool operator()(std::u16string_view a, std::u16string_view b) const;
  };
  std::map<std::u16string, std::u16string, AsciiCaseLess> texts_;
};

}  // namespace tandemix
