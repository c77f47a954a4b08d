#include "window/tray_icon_win.h"

#include <algorithm>

namespace tandemix {
namespace {

// Cuts to the platform's field size rather than overrunning it.
template <size_t N>
void CopyField(wchar_t (&field)[N], const std::u16string& text) {
  const size_t length = std::min(text.size(), N - 1);
  std::copy_n(reinterpret_cast<const wchar_t*>(text.data()), length, field);
  field[length] = L'\0';
}

}  // namespace

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

TrayIcon::~TrayIcon() { Hide(); }

void TrayIcon::Show(HWND owner, HICON icon, const std::u16string& tip) {
  data_.cbSize = sizeof data_;
  data_.hWnd = owner;
  data_.uID = 1;
  // Version 4 shows the tip only when asked to.
  data_.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE | NIF_SHOWTIP;
  data_.uCallbackMessage = kCallbackMessage;
  icon_.reset(icon);
  data_.hIcon = icon;
  CopyField(data_.szTip, tip);
  Shell_NotifyIconW(NIM_ADD, &data_);
  SetVersion4();
}

void TrayIcon::SetBalloon(const std::u16string& title, const std::u16string& text) {
  balloonTitle_ = title;
  balloonText_ = text;
}

void TrayIcon::ShowBalloon() {
  NOTIFYICONDATAW balloon = data_;
  balloon.uFlags = NIF_INFO;
  balloon.dwInfoFlags = NIIF_NONE;
  balloon.uTimeout = 3000;
  CopyField(balloon.szInfoTitle, balloonTitle_);
  CopyField(balloon.szInfo, balloonText_);
  Shell_NotifyIconW(NIM_MODIFY, &balloon);
}

void TrayIcon::Readd() {
  if (!data_.hWnd) return;
  Shell_NotifyIconW(NIM_ADD, &data_);
  // The version belongs to one add: a new notification area starts without it.
  SetVersion4();
}

void TrayIcon::SetVersion4() {
  NOTIFYICONDATAW version = data_;
  version.uVersion = NOTIFYICON_VERSION_4;
  version4_ = Shell_NotifyIconW(NIM_SETVERSION, &version);
}

TrayNotification TrayIcon::Decode(WPARAM wParam, LPARAM lParam) const {
  return DecodeTrayNotification(version4_, uint32_t(wParam), uint32_t(lParam));
}

// Whatever an add answered, the shell may hold the icon: deleting one it does
// not know is harmless, a ghost icon is not.
void TrayIcon::Hide() {
  if (!data_.hWnd) return;
  Shell_NotifyIconW(NIM_DELETE, &data_);
  data_.hWnd = nullptr;
}

}  // namespace tandemix
