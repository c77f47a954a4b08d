#pragma once

#include <cstdint>
#include <string_view>

namespace tandemix {

// Delphi's StrToIntDef: decimal, or hexadecimal after "$", "x" or "0x" (any
// letter case), with leading spaces and a sign; hexadecimal takes up to 32
// bits and wraps into the negative. Anything else, or out of range: the default.
int32_t StrToIntDef(std::string_view text, int32_t defaultValue);

}  // namespace tandemix
