// The integer reader of ConfigEN.ini: the default is used only when the text
// is unreadable, and every 32-bit number written in decimal, or in hex after
// "$" or "0x", reads back.

#include "settings/str_to_int_def.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int32_t withZero = StrToIntDef(text, 0);
  const int32_t withOne = StrToIntDef(text, 1);
  Check(withZero == withOne || (withZero == 0 && withOne == 1), "the default only when unreadable");

  if (size < sizeof(int32_t)) return 0;
  int32_t number;
  std::memcpy(&number, data, sizeof number);
  Check(StrToIntDef(std::to_string(number), ~number) == number, "decimal reads back");
  if (number < 0) return 0;
  char hex[16];
  std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(number));
  Check(StrToIntDef(hex, ~number) == number, "hex after $ reads back");
  std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(number));
  Check(StrToIntDef(hex, ~number) == number, "hex after 0x reads back");
  return 0;
}
