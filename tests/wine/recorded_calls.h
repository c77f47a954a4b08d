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
// The format of the shell's messages about the icon: 4 when the shell took
// NOTIFYICON_VERSION_4 at the icon's last add, 0 (the old format) otherwise.
UINT TrayIconVersion(const std::filesystem::path& programFolder);
// Reports an event on the icon (WM_CONTEXTMENU, NIN_KEYSELECT, ...) as the
// shell does, in the icon's format: the callback message to the window that
// added it, with the icon id in wParam and the event in lParam (old), or the
// event and the id in lParam and the anchor point, in screen coordinates, in
// wParam (version 4). Posted: the program may answer with a menu, which stays
// open inside its handler.
void PostToTrayIcon(const std::filesystem::path& programFolder, UINT event, POINT anchor = {});
enum class TrayButton { Left, Right };
// A click on the icon as the shell reports it: the button's release, then in
// version 4 what the click means (NIN_SELECT, WM_CONTEXTMENU) at the point
// clicked. A left click returns once handled; a right one opens a menu,
// which stays open.
void ClickTrayIcon(const std::filesystem::path& programFolder, TrayButton button, POINT at = {});

}  // namespace tandemix::test
