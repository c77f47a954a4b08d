#pragma once

#include <cstdint>
#include <string_view>

namespace tandemix {

// An integer of the settings file: decimal, or hexadecimal after "0x" or "$",
// after leading spaces and an optional minus sign, within the signed 32-bit
// range. Anything else (a plus sign, a bare "x", trailing text, a value out of
// range): the default.
int32_t StrToIntDef(std::string_view text, int32_t defaultValue);

}  // namespace tandemix
