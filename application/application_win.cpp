#include "application/application_win.h"

#include "application/unexpected_error_win.h"
#include "platform/wide_win.h"
#include "resources/resource_ids.h"
#include "settings/error.h"

namespace tandemix {
Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::Initialize(HINSTANCE instance) {
  instance_ = instance;
  keys_ = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_KEYS));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kApplicationWindowClass;
  RegisterClassExW(&windowClass);
  // Never shown; it owns the program's windows and answers the restore
  // command a second instance sends.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationWindowClass, L"Tandemix", WS_POPUP, 0, 0,
                            0, 0, nullptr, nullptr, instance, nullptr);
  if (!window_) throw Error("The program's windows cannot be created.");
}

void Application::SetTitle(const std::u16string& title) { SetWindowTextW(window_, Wide(title)); }

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::Run() {
  if (mainWindow_) {
    ShowWindow(mainWindow_, SW_SHOW);
    UpdateWindow(mainWindow_);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (mainWindow_ && TranslateAcceleratorW(mainWindow_, keys_, &message)) continue;
    if (mainWindow_ && IsDialogMessageW(mainWindow_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Application::Restore() {
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
}

void Application::BringToFront() {
  HWND target = mainWindow_ && IsWindowVisible(mainWindow_) ? mainWindow_ : window_;
  SetForegroundWindow(GetLastActivePopup(target));
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtSystemEdge(window, LRESULT(0), [&] {
    Application& app = Instance();
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_RESTORE) {
      // A second start asks for this instance: even from the notification area
      // the control window comes back, as a click on the icon brings it.
      if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
      if (app.mainWindow_) SendMessageW(app.mainWindow_, kShowMainWindowMessage, 0, 0);
      return LRESULT(0);
    }
    return DefWindowProcW(window, message, wParam, lParam);
  });
}

}  // namespace tandemix
