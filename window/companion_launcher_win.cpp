#include "window/companion_launcher_win.h"

#include <shellapi.h>

#include <string>

#include "application/edition_profile.h"
#include "messenger/messenger_locator_win.h"
#include "settings/ansi_text.h"
#include "settings/program_folder.h"
#include "window/companion_commands.h"

namespace tandemix {
void StartCompanions() {
  const std::string messengerDir = FindMessengerDir();
  const std::string hostprep =
      HostprepCommandLine(ProgramFolderAnsi(), Utf16ToAnsi(ApplicationTitle));
  WinExec(hostprep.c_str(), SW_HIDE);
  if (!FindWindowA("YahooBuddyMain", "Yahoo! Messenger")) {
    WinExec(MessengerCommandLine(messengerDir).c_str(), SW_SHOWNORMAL);
  }
}

void LaunchUpdater(HWND owner) {
  const std::string folder = ProgramFolderAnsi();
  const std::string updater = folder + "Updater.exe";
  const std::string parameters = UpdaterParameters(GetCurrentProcessId());
  ShellExecuteA(owner, "open", updater.c_str(), parameters.c_str(), folder.c_str(), SW_SHOWNORMAL);
}

}  // namespace tandemix
