#pragma once

// The application: its hidden top-level window, which exists before the
// control window and owns it, and the message loop.

#include <windows.h>

#include <string>

namespace tandemix {

// The class of the application window: the single-instance slot counts as
// taken only while it names a window of this class.
inline constexpr wchar_t kApplicationWindowClass[] = L"TandemixApplication";

class Application {
 public:
  // Sent to the main window when a second start asks this instance to come back.
  static constexpr UINT kShowMainWindowMessage = WM_APP + 2;

  static Application& Instance();

  // Throws Error when the application window cannot be created (no desktop).
  void Initialize(HINSTANCE instance);
  HINSTANCE instance() const { return instance_; }
  HWND window() const { return window_; }
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

  void SetTitle(const std::u16string& title);
  // Ends the message loop as soon as it runs.
  void Terminate();
  bool Terminated() const { return terminated_; }
  void Run();

  // Un-minimizes the application (its window, then the main window).
  void Restore();
  void BringToFront();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HWND mainWindow_ = nullptr;
  HACCEL keys_ = nullptr;  // the main window's keys beyond the dialog manager's
  bool terminated_ = false;
};

}  // namespace tandemix
