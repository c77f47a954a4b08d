// The program's main routine: modules up in a fixed order, start-up, the
// control window and its message loop, and everything down in reverse.

#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <memory>
#include <string>

#include "application/application_win.h"
#include "application/edition_profile.h"
#include "channel/check_trans_on_win.h"
#include "channel/trans_interface_win.h"
#include "messenger/messenger_paths.h"
#include "settings/error_text_win.h"
#include "settings/global.h"
#include "startup/messenger_dir_win.h"
#include "startup/plugin_deployment_win.h"
#include "startup/run_once_only_win.h"
#include "window/yahoo_im_main_win.h"

namespace tandemix {
namespace {

// The program-wide resources, held from before start-up until after the
// control window is gone: acquired in this order, released in reverse.
struct Modules {
  TransControlBlockMapping block;
  RunOnceSlot runOnce;
  Glossator glossator;
};

// Start-up steps up to the single-instance test; false when the program ends.
bool PrepareMessenger() {
  // Read only for the language of the messages on the way; never saved.
  const TDataObject settings;
  const int langIndex = settings.LangIndex;
  std::string messengerDir = FindMessengerDirOrReport(langIndex);
  // The registry could not be read: that was reported, and the program ends.
  if (Application::Instance().Terminated()) return false;
  if (!messengerDir.empty()) return DeployPlugin(messengerDir, langIndex);
  messengerDir = AskMessengerDir(langIndex);
  if (messengerDir.empty()) return false;
  // A folder the user had to type should get the plug-in as well.
  return DeployPlugin(WithTrailingBackslash(messengerDir), langIndex);
}

int Run(RunOnceSlot& runOnce) {
  Application& app = Application::Instance();
  if (!PrepareMessenger()) return 0;
  if (runOnce.AlreadyRunning(app.window())) return 0;
  app.SetTitle(ApplicationTitle);
  const std::unique_ptr<TfrmYahooIM_Main> form = TfrmYahooIM_Main::Create();
  // Without a control window the program has failed to start.
  if (!form) return 1;
  app.Run();
  return 0;
}

}  // namespace
}  // namespace tandemix

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace tandemix;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  Modules modules;
  try {
    Application::Instance().Initialize(instance);
    return Run(modules.runOnce);
  } catch (const std::exception& error) {
    // The last resort: an error no step expects ends the program with code 1.
    const std::wstring text = L"Tandemix stopped because of an error:\r\n\r\n" + ErrorText(error);
    MessageBoxW(nullptr, text.c_str(), L"Tandemix", MB_OK | MB_ICONERROR);
    return 1;
  }
}
