// A message-text file: any bytes are read, the file is left as it was, and a
// text never exceeds the reader's buffer.

#include "settings/ini_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "application/hint_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WriteBytes(ScratchFolder() / HintFileName(1), bytes);
  for (const char16_t* key : {u"NoMessenger", u"SaveFailed", u""}) {
    Check(GetHintText(ScratchFolderName(), 1, key).size() < kIniValueBufferLength, "a text fits");
  }
  Check(FileBytes(ScratchFolder() / HintFileName(1)) == bytes, "the file is left as it was");
  return 0;
}
