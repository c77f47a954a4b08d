#include "startup/startup_texts_win.h"

#include <windows.h>

#include "application/application_win.h"
#include "application/hint_text.h"
#include "platform/wide_win.h"
#include "settings/program_folder.h"

namespace tandemix {

std::u16string StartupHintText(int langIndex, const std::u16string& key) {
  return GetHintText(ProgramFolder(), langIndex, key);
}

void ReportMustRunAsAdmin(int langIndex) {
  const std::u16string text = StartupHintText(langIndex, u"MUST_RUNAS_ADMIN");
  const std::u16string caption = StartupHintText(langIndex, u"HINT_CAPTION");
  MessageBoxW(nullptr, Wide(text), Wide(caption), MB_OK | MB_ICONINFORMATION);
  Application::Instance().Terminate();
}

}  // namespace tandemix
