// The Messenger folder from the uninstall entry's string: any bytes give a
// folder of the string (a front part ending at a backslash or colon) or nothing.

#include "messenger/messenger_paths.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  const std::string value(reinterpret_cast<const char*>(data), size);
  const std::string folder = MessengerDirFromUninstallString(value);
  if (folder.empty()) return 0;
  Check(folder.back() == '\\' || folder.back() == ':', "a folder ends at a separator");
  Check(value.find(folder) != std::string::npos, "the folder is part of the string");
  Check(folder.find("/U") == std::string::npos, "the folder stops before /U");
  return 0;
}
