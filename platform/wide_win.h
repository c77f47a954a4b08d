#pragma once

#include <string>

namespace tandemix {

// UTF-16 text as the W calls take it: on Windows wchar_t is UTF-16 too.
inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline const wchar_t* Wide(const std::u16string& text) { return Wide(text.c_str()); }

}  // namespace tandemix
