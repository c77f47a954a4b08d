#include "startup/application_win.h"

#include "resources/resource_ids.h"
#include "startup/messenger_paths.h"

namespace tandemix {
namespace {
constexpr wchar_t kClassName[] = L"TandemixApplication";
}

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
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  // Never shown; it owns the program's windows and answers the restore
  // command a second instance sends.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Tandemix", WS_POPUP, 0, 0, 0, 0,
                            nullptr, nullptr, instance, nullptr);
}

void Application::SetTitle(const std::u16string& title) {
  SetWindowTextW(window_, reinterpret_cast<const wchar_t*>(title.c_str()));
}

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::Run() {
  if (mainWindow_) ShowWindow(mainWindow_, SW_SHOW);
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
  Application& app = Instance();
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_RESTORE) {
    // Only a minimized application is restored; otherwise nothing changes.
    if (IsIconic(window)) {
      ShowWindow(window, SW_RESTORE);
      if (app.mainWindow_) {
        ShowWindow(app.mainWindow_, SW_RESTORE);
        ShowWindow(app.mainWindow_, SW_SHOW);
      }
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring ErrorText(const std::exception& error) {
  const char* utf8 = error.what();
  std::wstring text(MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), int(text.size()));
  text.resize(wcslen(text.c_str()));
  return text;
}

std::string ProgramFolderAnsi() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return FolderPart(path);
}

}  // namespace tandemix
