#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tandemix {

using LeadBytePredicate = bool (*)(unsigned char);

// Length of the longest front part of text that fits in limit bytes without
// splitting a double-byte character: a lone lead byte would make a reader
// pair it with the terminating NUL.
size_t AnsiFitLength(std::string_view text, size_t limit, LeadBytePredicate isLeadByte);

// The system ANSI code page, where the contract says bytes (settings values,
// the shared block, command lines). The native build stands in Latin-1.
bool IsAnsiLeadByte(unsigned char byte);
std::u16string AnsiToUtf16(std::string_view text);
// A character the code page lacks becomes its default character.
std::string Utf16ToAnsi(std::u16string_view text);

}  // namespace tandemix
