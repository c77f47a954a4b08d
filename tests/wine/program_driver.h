#pragma once

// Drives the real Tandemix.exe from a test under Wine: lays out a program
// folder, starts the program, finds its windows and dialogs, clicks, ends it.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/wine/wine_test_support.h"

namespace tandemix::test {

enum class Edition { Pro, Standard };

using std::chrono::milliseconds;
// Only a failing wait runs out: long enough for a slow start, as of 32-bit
// programs under qemu (Wine 10 on a kernel without 32-bit code) reading a
// 10 MB settings file.
inline constexpr milliseconds kWindowWait{120000};

// Tandemix.exe of an edition, as built.
std::filesystem::path ProgramExe(Edition edition);
// A built stand-in ("Hostprep.exe", "Updater.exe", "YahooMessenger.exe", "Glossator.dll").
std::filesystem::path Fixture(const std::string& fileName);

// Puts Tandemix.exe of the edition, the shipped text and picture files and the
// plug-in stand-ins into the folder, then the named stand-ins. Returns the
// path of the copied Tandemix.exe.
std::filesystem::path LayOutProgramFolder(const std::filesystem::path& folder, Edition edition,
                                          const std::vector<std::string>& fixtures = {});

// What the control window answers to: its components' controls are numbered
// from kFirstControlId in window/form_layout.cpp's order, and the notification
// area reports clicks on its icon with kTrayCallbackMessage.
inline constexpr int kFirstControlId = 1000;
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
// The control window's class.
inline constexpr wchar_t kControlWindowClass[] = L"TfrmYahooIM_Main";

// The control id of a control window component.
int ControlId(std::string_view componentName);

// Window lookups, all limited to one process.
// A shown top-level window of that class; nullptr when none.
HWND FindShownWindow(DWORD processId, std::wstring_view className);
// A descendant with that control id (on any page); nullptr when none.
HWND FindControl(HWND window, int id);
// The first descendant of that class; nullptr when none.
HWND FindChildOfClass(HWND window, std::wstring_view className);
std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
// A dialog's message: the texts of its static controls, joined by "\n".
std::wstring DialogMessage(HWND dialog);

// Clicks a dialog's button (IDOK, IDCANCEL, ...) with BM_CLICK.
void ClickDialogButton(HWND dialog, int buttonId);
// Sets the text of a dialog's first edit field.
void SetEditText(HWND dialog, const std::wstring& text);

// A whole file's bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
// The lines of a log a stand-in writes, each ended by CR LF; a line still being
// written is left out.
std::vector<std::string> ReadLogLines(const std::filesystem::path& log);

// One start of a stand-in program (tests/fixtures), as it logged it.
struct StartRecord {
  std::string commandLine;    // raw ANSI bytes
  std::string workingFolder;  // without a trailing backslash
  std::string showState;      // wShowWindow in decimal, "-" when none was given
};
// The starts a stand-in logged beside itself, oldest first.
std::vector<StartRecord> ReadStartLog(const std::filesystem::path& standInExe);

// A started Tandemix.exe; ended (Exit, then killed) if still running when dropped.
class Program {
 public:
  // The working folder defaults to the test's own, never the program folder,
  // so that nothing passes only because the two are the same.
  explicit Program(const std::filesystem::path& exe,
                   const std::filesystem::path& workingFolder = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD id() const { return started_.id; }
  bool Running() const;

  // The control window (class kControlWindowClass); nullptr when it has none.
  HWND ControlWindow() const;
  HWND WaitForControlWindow(milliseconds limit = kWindowWait) const;
  // The control window once the message loop has shown it; nullptr when it did not.
  HWND WaitForShownControlWindow(milliseconds limit = kWindowWait) const;
  // A shown dialog or message box (class "#32770") of the process; nullptr when none.
  HWND Dialog() const;
  HWND WaitForDialog(milliseconds limit = kWindowWait) const;
  // Like WaitForDialog, but only a dialog with an edit field (an input box).
  HWND WaitForInputBox(milliseconds limit = kWindowWait) const;

  // A control window component by name ("btnStart", "cbbSendLang", ...).
  HWND Control(std::string_view componentName) const;
  // Clicks a button or check box as the user does (BM_CLICK to the control
  // itself, which must be shown and enabled); returns once the click is handled.
  void Click(std::string_view componentName) const;
  // The same click, returning at once: for a click that opens a modal box.
  void ClickWithoutWaiting(std::string_view componentName) const;
  // Brings a page to the front through its tab, as the tab control does it.
  void ShowPage(std::string_view pageName) const;
  // Picks an entry of a drop-down list with the keys a user presses on it;
  // the list selects and tells its parent itself.
  void SelectItem(std::string_view listName, int index) const;
  // Exit, as the user would end it.
  void Exit() const { Click("btnExit"); }
  // True when the process ended within the limit.
  bool WaitForExit(milliseconds limit = kWindowWait) const;
  // True when it ended within the limit without ever having a control window;
  // whileWaiting runs on every look (a test with windows pumps its messages).
  bool EndsWithoutWindow(
      const std::function<void()>& whileWaiting = [] {}, milliseconds limit = kWindowWait) const;
  // Meaningful once the process ended.
  DWORD ExitCode() const;

 private:
  HWND Clickable(std::string_view componentName) const;

  ProcessHandles started_;
};

}  // namespace tandemix::test
