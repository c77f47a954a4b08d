#pragma once

// What the program asked of the shell's notification area and of message
// boxes, as the Glossator.dll stand-in recorded it from inside the process.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tandemix::test {

// One Shell_NotifyIconW call.
struct TrayCall {
  DWORD operation = 0;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
  HWND window = nullptr;
  UINT id = 0;
  UINT flags = 0;
  UINT callbackMessage = 0;
  std::wstring tip;
  std::wstring balloonTitle;
  std::wstring balloonText;
  DWORD balloonFlags = 0;
  UINT balloonTimeout = 0;
  bool succeeded = false;
};

// One MessageBoxW call.
struct BoxCall {
  HWND owner = nullptr;
  UINT type = 0;  // buttons and icon
  std::wstring caption;
  std::wstring text;
};

// One ShellExecuteW call.
struct OpenCall {
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;
};

// The calls recorded by the stand-in in the program folder, oldest first.
std::vector<TrayCall> ReadTrayCalls(const std::filesystem::path& programFolder);
std::vector<BoxCall> ReadBoxCalls(const std::filesystem::path& programFolder);
std::vector<OpenCall> ReadOpenCalls(const std::filesystem::path& programFolder);

// The icon as the program first added it; a call with no window when none.
TrayCall AddedTrayIcon(const std::filesystem::path& programFolder);
// Reports a mouse event on the icon (WM_LBUTTONUP, ...) as the shell does: the
// icon's callback message to the window that added it. Returns once handled.
void SendToTrayIcon(const std::filesystem::path& programFolder, UINT mouseMessage);

}  // namespace tandemix::test
