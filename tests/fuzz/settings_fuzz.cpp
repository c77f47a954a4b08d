// The settings load and save on a real file: any ConfigEN.ini loads, a save
// loads back as the same settings, and a second save writes the same bytes.

#include "settings/global.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tandemix::fuzz {
namespace {

bool SameSettings(const TDataObject& a, const TDataObject& b) {
  return a.TimeOut == b.TimeOut && a.TranslateMode == b.TranslateMode &&
         a.SendMessageMode == b.SendMessageMode && a.TransMothed == b.TransMothed &&
         a.SendIndex == b.SendIndex && a.RecvIndex == b.RecvIndex && a.LangIndex == b.LangIndex;
}

}  // namespace
}  // namespace tandemix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  const std::u16string file = ScratchFolderName() + u"ConfigEN.ini";
  WriteBytes(file, std::string_view(reinterpret_cast<const char*>(data), size));
  const TDataObject loaded(file);
  loaded.SaveToFile();
  const std::string saved = FileBytes(file);
  const TDataObject reloaded(file);
  Check(SameSettings(loaded, reloaded), "a save loads back as the same settings");
  reloaded.SaveToFile();
  Check(FileBytes(file) == saved, "a second save writes the same bytes");
  return 0;
}
