// The control window and the notification area: hidden to it, restored from it, its menu.

#include "window/yahoo_im_main_win.h"

#include "application/application_win.h"

namespace tandemix {

void TfrmYahooIM_Main::OnTrayIcon(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONUP) {
    TntTrayIcon1Click();
  } else if (mouseMessage == WM_RBUTTONUP) {
    // Without the foreground the menu would not close when clicked away.
    Application::Instance().BringToFront();
    SetForegroundWindow(hwnd_);
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(controls_.trayMenu(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd_, nullptr);
    // The menu's loop ends properly only once another message reaches the window.
    PostMessageW(hwnd_, WM_NULL, 0, 0);
  }
}

void TfrmYahooIM_Main::mniExitAppClick() { btnExitClick(); }

void TfrmYahooIM_Main::mniMainWindowClick() { RestoreFromTray(); }

void TfrmYahooIM_Main::TntTrayIcon1Click() {
  RestoreFromTray();
  // A click on the icon always ends with the application in front, even when
  // another window took the foreground while the window was being restored.
  Application::Instance().BringToFront();
}

void TfrmYahooIM_Main::HideToTray() {
  ShowWindow(hwnd_, SW_HIDE);
  HWND appWindow = Application::Instance().window();
  if (IsWindowVisible(appWindow)) ShowWindow(appWindow, SW_HIDE);
}

void TfrmYahooIM_Main::RestoreFromTray() {
  Application& app = Application::Instance();
  app.Restore();
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  app.BringToFront();
}

void TfrmYahooIM_Main::ShowBalloon() { TntTrayIcon1.ShowBalloon(); }

}  // namespace tandemix
