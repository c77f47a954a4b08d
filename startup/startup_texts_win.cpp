#include "startup/startup_texts_win.h"

#include "settings/file_io.h"
#include "window/hint_text.h"

namespace tandemix {

TDataObject* StartupSettings = nullptr;

std::u16string StartupHintText(const std::u16string& key) {
  return GetHintText(ProgramFolder(), StartupSettings ? StartupSettings->LangIndex : 0, key);
}

}  // namespace tandemix
