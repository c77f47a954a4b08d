#pragma once

#include <cstddef>
#include <string_view>

namespace tandemix {

using LeadBytePredicate = bool (*)(unsigned char);

// Length of the longest front part of text that fits in limit bytes without
// splitting a double-byte character: a lone lead byte would make a reader
// pair it with the terminating NUL.
size_t AnsiFitLength(std::string_view text, size_t limit, LeadBytePredicate isLeadByte);

// Whether a byte starts a double-byte character in the system ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

}  // namespace tandemix
