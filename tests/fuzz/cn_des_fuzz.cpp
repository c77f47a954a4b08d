// The hex codec of the stored translation host: any text either unprotects or
// fails as not hex; a protected value unprotects to itself; hex digits read
// as the standard library reads them, keeping the last 32 bits.
// Input: a key line, then the text.

#include "settings/cn_des.h"
#include "settings/error.h"
#include "tests/fuzz/fuzz_support.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tandemix::fuzz {
namespace {

bool IsHexDigits(std::string_view text) {
  return text.find_first_not_of("0123456789ABCDEFabcdef") == std::string_view::npos;
}

bool FailsAsNotHex(const Error& error) {
  return dynamic_cast<const NotHexStringError*>(&error) &&
         std::string_view(error.what()) == kNotHexStringMessage;
}

void CheckHexDigitsToInt(const std::string& text) {
  try {
    const int32_t value = HexDigitsToInt(text);
    Check(IsHexDigits(text), "only hex digits are read");
    const std::string_view last =
        std::string_view(text).substr(text.size() > 8 ? text.size() - 8 : 0);
    uint32_t expected = 0;
    std::from_chars(last.data(), last.data() + last.size(), expected, 16);
    Check(value == static_cast<int32_t>(expected), "hex digits read as the library reads them");
  } catch (const Error& error) {
    Check(!IsHexDigits(text) && FailsAsNotHex(error), "only a non-hex text fails");
  }
}

}  // namespace
}  // namespace tandemix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view keyLine;
  if (!TakeLine(input, keyLine)) return 0;
  const std::string key(keyLine), text(input);

  CheckHexDigitsToInt(text);
  try {
    UnprotectValue(text, key);
  } catch (const Error& error) {
    Check(FailsAsNotHex(error), "a damaged value fails only as not hex");
  }
  if (!text.empty() && text.back() == '\0') return 0;  // zero padding cannot keep it
  const std::string hex = ProtectValue(text, key);
  Check(hex.size() == (text.size() + 7) / 8 * 16, "eight bytes give sixteen digits");
  Check(UnprotectValue(hex, key) == text, "protect then unprotect gives the text back");
  return 0;
}
