// A language catalogue file: any bytes load, the file is left as it was, and
// each name is the text before a colon.

#include "tests/fuzz/fuzz_support.h"
#include "window/lang_catalogue.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WriteBytes(ScratchFolder() / CatalogueFileName(0), bytes);
  for (const std::u16string& name : LoadLanguageNames(ScratchFolderName(), 0)) {
    Check(name.find(u':') == std::u16string::npos, "a name ends before the colon");
  }
  Check(FileBytes(ScratchFolder() / CatalogueFileName(0)) == bytes, "the file is left as it was");
  return 0;
}
