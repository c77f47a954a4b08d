// The control window and the notification area: hidden to it, restored from it, its menu.

#include "window/yahoo_im_main_win.h"

#include "application/application_win.h"

namespace tandemix {

void TfrmYahooIM_Main::OnTrayIcon(WPARAM wParam, LPARAM lParam) {
  const TrayNotification notification = TntTrayIcon1.Decode(wParam, lParam);
  if (notification.request == TrayRequest::Activate) {
    TntTrayIcon1Click();
  } else if (notification.request == TrayRequest::OpenMenu) {
    // Without the foreground the menu would not close when clicked away.
    Application::Instance().BringToFront();
    SetForegroundWindow(hwnd_);
    // Opened from the keyboard, the menu belongs at the icon, not at a cursor
    // that may be anywhere.
    POINT at{notification.x, notification.y};
    if (!notification.hasAnchor) GetCursorPos(&at);
    TrackPopupMenu(controls_.trayMenu(), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
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
