#pragma once

namespace tandemix {

// Only ASCII letters fold, as the system's ini and font-name matching does.
constexpr char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

}  // namespace tandemix
