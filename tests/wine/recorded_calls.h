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

// One ShellExecuteW or ShellExecuteA call.
struct OpenCall {
  std::wstring verb;
  std::wstring file;
  std::wstring parameters;
  bool windowShown = false;  // the control window was shown when it came (ShellExecuteA only)
};

// One WM_SETFONT the program sent: the font it gave a control.
struct FontCall {
  int controlId = 0;
  std::wstring faceName;
  LONG height = 0;  // as in LOGFONT: negative for a character height
  LONG weight = 0;
  BYTE charset = DEFAULT_CHARSET;
  UINT dpi = 0;  // GetDpiForWindow of the control, asked inside the program
};

// The calls recorded by the stand-in in the program folder, oldest first.
std::vector<TrayCall> ReadTrayCalls(const std::filesystem::path& programFolder);
std::vector<BoxCall> ReadBoxCalls(const std::filesystem::path& programFolder);
std::vector<OpenCall> ReadOpenCalls(const std::filesystem::path& programFolder);
std::vector<OpenCall> ReadAnsiOpenCalls(const std::filesystem::path& programFolder);
std::vector<FontCall> ReadFontCalls(const std::filesystem::path& programFolder);

// The icon as the program first added it; a call with no window when none.
TrayCall AddedTrayIcon(const std::filesystem::path& programFolder);
// Reports a mouse event on the icon (WM_LBUTTONUP, ...) as the shell does: the
// icon's callback message to the window that added it. Returns once handled.
void SendToTrayIcon(const std::filesystem::path& programFolder, UINT mouseMessage);

}  // namespace tandemix::test
