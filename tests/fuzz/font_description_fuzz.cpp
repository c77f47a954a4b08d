// Font descriptions from the language files: any text applies, and applying
// the same description twice changes nothing more than applying it once.
// Input: the description as UTF-16LE.

#include "tests/fuzz/fuzz_support.h"
#include "window/font_description.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  std::u16string description;
  for (size_t i = 0; i + 1 < size; i += 2)
    description += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  const FontAttributes once = ApplyFontDescription(FontAttributes{}, description);
  Check(ApplyFontDescription(once, description) == once, "applying twice is applying once");
  return 0;
}
