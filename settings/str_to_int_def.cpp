#include "settings/str_to_int_def.h"

namespace tandemix {

namespace {

int DigitValue(char c, int base) {
  int value = base;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

int32_t StrToIntDef(std::string_view text, int32_t defaultValue) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  int base = 10;
  if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return defaultValue;

  // The magnitude of INT32_MIN is one more than that of INT32_MAX.
  const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
  int64_t value = 0;
  for (char c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return defaultValue;
    value = value * base + digit;
    if (value > limit) return defaultValue;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace tandemix
