#pragma once

// The application: its hidden top-level window, which exists before the
// control window and owns it, and the message loop.

#include <windows.h>

#include <exception>
#include <string>

namespace tandemix {

class Application {
 public:
  static Application& Instance();

  void Initialize(HINSTANCE instance);
  HINSTANCE instance() const { return instance_; }
  HWND window() const { return window_; }
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
  HWND mainWindow() const { return mainWindow_; }

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

// An error's message (UTF-8) as a message box shows it.
std::wstring ErrorText(const std::exception& error);

// The program folder as ANSI text, for the command lines and file calls whose
// contract is ANSI: the executable's path up to its last backslash or colon.
std::string ProgramFolderAnsi();

}  // namespace tandemix
