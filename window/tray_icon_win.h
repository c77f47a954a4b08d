#pragma once

// TntTrayIcon1: the notification-area icon with its tip, balloon and menu.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/owned_handles_win.h"
#include "window/tray_notification.h"

namespace tandemix {

class TrayIcon {
 public:
  static constexpr UINT kCallbackMessage = WM_APP + 1;

  TrayIcon() = default;
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Takes the icon over.
  void Show(HWND owner, HICON icon, const std::u16string& tip);
  void SetBalloon(const std::u16string& title, const std::u16string& text);
  void ShowBalloon();
  // Explorer restarted: its new notification area knows nothing of us.
  void Readd();
  void Hide();
  // What a callback message reports, in the format the shell agreed to.
  TrayNotification Decode(WPARAM wParam, LPARAM lParam) const;

 private:
  // Asks for the messages of version 4, which report the keyboard too; a
  // shell that refuses keeps sending the old ones.
  void SetVersion4();

  NOTIFYICONDATAW data_{};  // hWnd is set from Show until Hide
  bool version4_ = false;
  OwnedIcon icon_;
  std::u16string balloonTitle_;
  std::u16string balloonText_;
};

// The message Explorer broadcasts when its taskbar is (re)created.
UINT TaskbarCreatedMessage();

}  // namespace tandemix
