// What the window's buttons, options and links do when clicked.

#include "window/yahoo_im_main_win.h"

#include <shellapi.h>

#include "application/application_win.h"
#include "channel/check_trans_on.h"
#include "platform/wide_win.h"
#include "settings/ansi_text.h"
#include "window/companion_launcher_win.h"

namespace tandemix {

void TfrmYahooIM_Main::btnStartClick() {
  const std::u16string sendLang = controls_.Text("cbbSendLang");
  const std::u16string recvLang = controls_.Text("cbbRecvLang");
  if (sendLang.empty()) {
    ShowMessage(GetHintText(u"NOT_SELECT_SENDLANG"), GetHintText(u"HINT_CAPTION"),
                MB_ICONINFORMATION);
    FocusLanguageList("cbbSendLang");
    return;
  }
  if (recvLang.empty()) {
    ShowMessage(GetHintText(u"NOT_SELECT_RECVLANG"), GetHintText(u"HINT_CAPTION"), MB_ICONWARNING);
    FocusLanguageList("cbbRecvLang");
    return;
  }
  StartTranslation();
  SetTransOptions(settings_->TimeOut, Utf16ToAnsi(sendLang), Utf16ToAnsi(recvLang), 0,
                  Checked("chkNeedConfirm"), Checked("chkAutoRead"), Checked("chkSaveHistory"));
}

// Start may be pressed from any page: the list is shown before it takes the
// keys, or the arrows would change a choice the user cannot see.
void TfrmYahooIM_Main::FocusLanguageList(const char* name) {
  controls_.ShowPage("FunctionSheet");
  SetFocus(controls_.Get(name));
}

void TfrmYahooIM_Main::StartTranslation() {
  SetTransOn(true);
  EnableWindow(controls_.Get("btnStart"), FALSE);
  EnableWindow(controls_.Get("btnStop"), TRUE);
  HideToTray();
  ShowBalloon();
  StartCompanions();
}

void TfrmYahooIM_Main::btnStopClick() {
  SetTransOn(false);
  EnableWindow(controls_.Get("btnStart"), TRUE);
  EnableWindow(controls_.Get("btnStop"), FALSE);
}

void TfrmYahooIM_Main::btnExitClick() {
  // The plug-in stops translating at once, not only when the window is gone.
  btnStopClick();
  Application::Instance().Terminate();
}

void TfrmYahooIM_Main::chkNeedConfirmClick() { SetNeedConfirm(Checked("chkNeedConfirm")); }

void TfrmYahooIM_Main::chkAutoReadClick() { SetAutoRead(Checked("chkAutoRead")); }

void TfrmYahooIM_Main::chkSaveHistoryClick() { SetSaveHistory(Checked("chkSaveHistory")); }

void TfrmYahooIM_Main::lblEmailClick() {
  const std::u16string parameter = u"mailto:" + controls_.Text("lblEmail");
  ShellExecuteW(hwnd_, L"open", L"Explorer.exe", Wide(parameter), nullptr, SW_SHOWNORMAL);
}

void TfrmYahooIM_Main::lblHomePageClick() {
  const std::u16string parameter = controls_.Text("lblHomePage");
  ShellExecuteW(hwnd_, L"open", L"Explorer.exe", Wide(parameter), nullptr, SW_SHOWNORMAL);
}

void TfrmYahooIM_Main::ShowMessage(const std::u16string& text, const std::u16string& caption,
                                   UINT icon) {
  MessageBoxW(hwnd_, Wide(text), Wide(caption), MB_OK | icon);
}

bool TfrmYahooIM_Main::Checked(const char* name) const {
  return SendMessageW(controls_.Get(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace tandemix
