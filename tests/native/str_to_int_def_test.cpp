#include "settings/str_to_int_def.h"

#include <gtest/gtest.h>

namespace tandemix {
namespace {

struct IntCase {
  const char* text;
  int32_t expected;  // with default 99
};

TEST(StrToIntDefTest, DecimalOrHexAfterItsPrefixWithinTheSignedRange) {
  const IntCase cases[] = {
      {"15", 15},
      {"-5", -5},
      {"007", 7},
      {"0", 0},
      {"  42", 42},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"0x1E", 30},
      {"0X1e", 30},
      {"$1E", 30},
      {"-0x10", -16},
      {"-$10", -16},
      {"0x7FFFFFFF", 2147483647},
      {"-0x80000000", INT32_MIN},
      {"0x0000000000000001", 1},
      // Not a number or out of range: the default.
      {"", 99},
      {"abc", 99},
      {"12abc", 99},
      {"1 2", 99},
      {"42 ", 99},
      {"1.5", 99},
      {"-", 99},
      {"+", 99},
      {"0x", 99},
      {"$", 99},
      {"0xG", 99},
      {"--5", 99},
      // A plus sign, a bare "x" and values past the signed range.
      {"+7", 99},
      {"x1E", 99},
      {"X1E", 99},
      {"0xFFFFFFFF", 99},
      {"$80000000", 99},
      {"-0x80000001", 99},
      {"-+5", 99},
      {"2147483648", 99},
      {"-2147483649", 99},
      {"99999999999999999999", 99},
      {"0x100000000", 99},
      {"\t5", 99},
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(StrToIntDef(c.text, 99), c.expected) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace tandemix
