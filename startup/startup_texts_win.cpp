#include "startup/startup_texts_win.h"

#include <windows.h>

#include "platform/wide_win.h"
#include "settings/program_folder.h"
#include "startup/application_win.h"
#include "window/hint_text.h"

namespace tandemix {

TDataObject* StartupSettings = nullptr;

std::u16string StartupHintText(const std::u16string& key) {
  return GetHintText(ProgramFolder(), StartupSettings ? StartupSettings->LangIndex : 0, key);
}

void ReportMustRunAsAdmin() {
  const std::u16string text = StartupHintText(u"MUST_RUNAS_ADMIN");
  const std::u16string caption = StartupHintText(u"HINT_CAPTION");
  MessageBoxW(nullptr, Wide(text), Wide(caption), MB_OK | MB_ICONINFORMATION);
  Application::Instance().Terminate();
}

}  // namespace tandemix
