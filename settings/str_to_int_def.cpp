#include "settings/str_to_int_def.h"

#include <limits>

namespace tandemix {

namespace {

int DigitValue(char c, int base) {
  int value = base;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

bool IsHexMark(char c) { return c == '$' || c == 'x' || c == 'X'; }

}  // namespace

int32_t StrToIntDef(std::string_view text, int32_t defaultValue) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && IsHexMark(text.front())) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return defaultValue;

  const uint64_t limit = base == 16 ? std::numeric_limits<uint32_t>::max()
                         : negative ? uint64_t{1} << 31
                                    : std::numeric_limits<int32_t>::max();
  uint64_t value = 0;
  for (char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return defaultValue;
    value = value * base + static_cast<unsigned>(digit);
    if (value > limit) return defaultValue;
  }
  const auto bits = static_cast<uint32_t>(value);
  return static_cast<int32_t>(negative ? 0u - bits : bits);
}

}  // namespace tandemix
