#include "startup/messenger_dir_win.h"

#include "messenger/messenger_locator_win.h"
#include "messenger/messenger_paths.h"
#include "platform/file_exists_win.h"
#include "settings/ansi_text.h"
#include "settings/error.h"
#include "startup/input_box_win.h"
#include "startup/startup_texts_win.h"

namespace tandemix {

std::string FindMessengerDirOrReport(int langIndex) {
  try {
    return FindMessengerDir();
  } catch (const Error&) {
    ReportMustRunAsAdmin(langIndex);
    return {};
  }
}

std::string AskMessengerDir(int langIndex) {
  for (;;) {
    const std::string prompt =
        Utf16ToAnsi(StartupHintText(langIndex, u"YAHOOMESSENGER_NOT_INSTALL"));
    const std::string caption = Utf16ToAnsi(StartupHintText(langIndex, u"HINT_CAPTION"));
    const std::string answer = InputBox(caption, prompt);
    if (answer.empty()) return {};
    if (FileExists(AnsiToUtf16(MessengerExeOfAnswer(answer)))) return answer;
  }
}

}  // namespace tandemix
