// The notification-area icon as the shell and the user meet it: what the
// program hands the shell, the icon's clicks as the shell reports them, its
// menu, an Explorer restart and the end of the program.

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>

#include "tests/wine/recorded_calls.h"
#include "tests/wine/window_test.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

std::vector<TrayCall> CallsOf(const std::vector<TrayCall>& calls, DWORD operation) {
  std::vector<TrayCall> found;
  for (const TrayCall& call : calls) {
    if (call.operation == operation) found.push_back(call);
  }
  return found;
}

class TrayIconTest : public WindowTest {
 protected:
  TrayCall Icon() const { return AddedTrayIcon(folder()); }

  // The menu the program opened; nullptr when none shows.
  HWND WaitForMenu() const {
    HWND menu = nullptr;
    // "#32768" is the class of pop-up menus.
    WaitUntil([&] { return (menu = FindShownWindow(program_->id(), L"#32768")) != nullptr; });
    return menu;
  }

  // Picks the item at the position (0 the first) from the keyboard.
  static void Choose(HWND menu, int position) {
    for (int i = 0; i <= position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stayed open";
  }

  // Opens the icon's menu with a right click and picks the item at the position.
  void ChooseFromTrayMenu(int position) const {
    ASSERT_NE(Icon().window, nullptr) << "no icon was added";
    ClickTrayIcon(folder(), TrayButton::Right);
    const HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr) << "no menu opened";
    Choose(menu, position);
  }

  bool ProgramInFront() const {
    return WaitUntil([&] {
      DWORD owner = 0;
      GetWindowThreadProcessId(GetForegroundWindow(), &owner);
      return owner == program_->id();
    });
  }

  void HideToTray(HWND window) const {
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }));
  }
};

struct TrayTexts {
  const char* label;
  Edition edition;
  const char* config;
  const wchar_t* tip;
  const wchar_t* hintFile;
};

std::ostream& operator<<(std::ostream& out, const TrayTexts& texts) { return out << texts.label; }

class TrayTextsTest : public TrayIconTest, public ::testing::WithParamInterface<TrayTexts> {};

TEST_P(TrayTextsTest, TipAndBalloonAtMinimizeAndTheIconRestores) {
  HWND window = Start(GetParam().edition, GetParam().config);
  ASSERT_NE(window, nullptr);
  const TrayCall icon = Icon();
  EXPECT_EQ(icon.window, window);
  EXPECT_EQ(icon.id, 1u);
  EXPECT_EQ(icon.flags & (NIF_ICON | NIF_TIP | NIF_MESSAGE),
            UINT(NIF_ICON | NIF_TIP | NIF_MESSAGE));
  EXPECT_EQ(icon.tip, GetParam().tip);
  EXPECT_TRUE(icon.succeeded);

  // The title bar's minimize button.
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  std::vector<TrayCall> balloons;
  ASSERT_TRUE(WaitUntil([&] {
    balloons = CallsOf(ReadTrayCalls(folder()), NIM_MODIFY);
    return !balloons.empty();
  })) << "no balloon";
  EXPECT_FALSE(Visible(window));
  const fs::path hints = folder() / GetParam().hintFile;
  const TrayCall& balloon = balloons.back();
  EXPECT_EQ(balloon.flags & NIF_INFO, UINT{NIF_INFO});
  EXPECT_EQ(balloon.window, window);
  EXPECT_EQ(balloon.id, 1u);
  EXPECT_EQ(balloon.balloonTitle, ShippedText(hints, L"Hint", L"TRAYINCON_BALLOON_CAPTION"));
  EXPECT_EQ(balloon.balloonText, std::wstring(GetParam().tip) + L" " +
                                     ShippedText(hints, L"Hint", L"TRAYINCON_BALLOON_CONTENT"));
  EXPECT_EQ(balloon.balloonFlags, DWORD{NIIF_NONE});
  EXPECT_EQ(balloon.balloonTimeout, 3000u);

  ClickTrayIcon(folder(), TrayButton::Left);
  EXPECT_TRUE(Visible(window));
  EXPECT_FALSE(IsIconic(window));
  EXPECT_TRUE(ProgramInFront()) << "the program did not come to the front";
}

INSTANTIATE_TEST_SUITE_P(
    EditionsAndLanguages, TrayTextsTest,
    ::testing::Values(TrayTexts{"ProChinese", Edition::Pro, "", L"Tandemix Pro", L"CHS.ini"},
                      TrayTexts{"ProEnglish", Edition::Pro, "LangIndex=1\r\n", L"Tandemix Pro",
                                L"ENU.ini"},
                      TrayTexts{"StandardChinese", Edition::Standard, "", L"Tandemix", L"CHS.ini"},
                      TrayTexts{"StandardEnglish", Edition::Standard, "LangIndex=1\r\n",
                                L"Tandemix", L"ENU.ini"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TrayIconTest, RightClickMenuShowsTheWindowAndEndsTheProgram) {
  HWND window = Start(Edition::Pro);
  ASSERT_NE(window, nullptr);
  PluginView block;
  program().Click("btnStart");
  ASSERT_FALSE(Visible(window));

  ChooseFromTrayMenu(0);  // show the window
  ASSERT_TRUE(WaitUntil([&] { return Visible(window); }));
  EXPECT_EQ(block->TransState, 0x02132141u) << "showing the window changes nothing else";

  HideToTray(window);
  ChooseFromTrayMenu(1);  // exit
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(program().ExitCode(), 0u);
  EXPECT_EQ(block->TransState, 0u) << "the end of the program switches translation off";
}

TEST_F(TrayIconTest, ExplorerRestartBringsTheIconBackAndExitTakesItAway) {
  HWND window = Start(Edition::Pro);
  ASSERT_NE(window, nullptr);
  const TrayCall icon = Icon();
  ASSERT_TRUE(icon.succeeded);

  // A restarted Explorer has lost every icon, then tells every window.
  NOTIFYICONDATAW gone{};
  gone.cbSize = sizeof gone;
  gone.hWnd = icon.window;
  gone.uID = icon.id;
  EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
  // Notified, not sent with SMTO_ABORTIFHUNG: a window busy for 5 s (starting
  // the updater) would be skipped for good; this way it reads the message later.
  SendNotifyMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  // The add again ends with the request for version 4.
  ASSERT_TRUE(WaitUntil([&] {
    const std::vector<TrayCall> calls = ReadTrayCalls(folder());
    return CallsOf(calls, NIM_ADD).size() == 2 && CallsOf(calls, NIM_SETVERSION).size() == 2;
  })) << "the icon was not added again";
  const TrayCall again = CallsOf(ReadTrayCalls(folder()), NIM_ADD).back();
  EXPECT_EQ(again.window, icon.window);
  EXPECT_EQ(again.id, icon.id);
  EXPECT_EQ(again.tip, icon.tip);
  EXPECT_TRUE(again.succeeded);
  EXPECT_EQ(TrayIconVersion(folder()), UINT{NOTIFYICON_VERSION_4})
      << "the new notification area sends the old messages";
  NOTIFYICONDATAW probe = gone;
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &probe)) << "the shell does not know the icon";

  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
  const std::vector<TrayCall> calls = ReadTrayCalls(folder());
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().operation, DWORD{NIM_DELETE});
  EXPECT_EQ(calls.back().window, icon.window);
  EXPECT_EQ(calls.back().id, icon.id);
  EXPECT_TRUE(calls.back().succeeded) << "the icon stayed in the notification area";
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe)) << "the shell still shows the icon";
}

// A "TaskbarCreated" that reaches the program while the shell still knows the
// icon (sent by another program, or by an Explorer that kept its icons): the
// add fails, and the icon the program added must still go at Exit.
TEST_F(TrayIconTest, AFailedAddAgainStillLeavesNoIconAtExit) {
  HWND window = Start(Edition::Pro);
  ASSERT_NE(window, nullptr);
  const TrayCall icon = Icon();
  ASSERT_TRUE(icon.succeeded);
  // Sent without a time-out: the window may be busy a while (starting the
  // updater), and the adds are read only once its handler has returned.
  SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  const std::vector<TrayCall> adds = CallsOf(ReadTrayCalls(folder()), NIM_ADD);
  ASSERT_EQ(adds.size(), 2u) << "the icon was not added again";
  EXPECT_FALSE(adds[1].succeeded) << "the shell took the same icon twice";

  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
  const std::vector<TrayCall> deletes = CallsOf(ReadTrayCalls(folder()), NIM_DELETE);
  ASSERT_EQ(deletes.size(), 1u) << "the icon was left in the notification area";
  EXPECT_EQ(deletes.back().window, icon.window);
  EXPECT_EQ(deletes.back().id, icon.id);
  NOTIFYICONDATAW probe{};
  probe.cbSize = sizeof probe;
  probe.hWnd = icon.window;
  probe.uID = icon.id;
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe)) << "the shell still shows the icon";
}

// The keys on the focused icon reach the program only in the messages of
// version 4: Enter or Space as NIN_KEYSELECT, the context-menu key or
// Shift+F10 as WM_CONTEXTMENU with the icon's place.
TEST_F(TrayIconTest, EnterAndTheMenuKeyOnTheIconAsTheShellReportsThem) {
  HWND window = Start(Edition::Pro);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(TrayIconVersion(folder()), UINT{NOTIFYICON_VERSION_4})
      << "the icon gets the old messages, which carry no keys";
  EXPECT_EQ(Icon().flags & NIF_SHOWTIP, UINT{NIF_SHOWTIP}) << "version 4 shows no tip unasked";
  program().Click("btnStart");
  ASSERT_FALSE(Visible(window));

  PostToTrayIcon(folder(), NIN_KEYSELECT, {1200, 1000});
  ASSERT_TRUE(WaitUntil([&] { return Visible(window); })) << "Enter did not show the window";
  EXPECT_FALSE(IsIconic(window));
  EXPECT_TRUE(ProgramInFront()) << "the program did not come to the front";

  HideToTray(window);
  // The mouse is far from the icon: the menu opens where the shell says.
  SetCursorPos(900, 700);
  PostToTrayIcon(folder(), WM_CONTEXTMENU, {300, 200});
  const HWND menu = WaitForMenu();
  ASSERT_NE(menu, nullptr) << "the menu key opened no menu";
  RECT place;
  GetWindowRect(menu, &place);
  EXPECT_EQ(place.left, 300);
  EXPECT_EQ(place.top, 200);
  Choose(menu, 1);  // exit
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(program().ExitCode(), 0u);
}

// The icons of Wine's own notification area (explorer.exe): one window each.
std::vector<HWND> ShellIconWindows() {
  std::vector<HWND> icons;
  HWND area = FindWindowW(L"Shell_TrayWnd", nullptr);
  for (HWND icon = FindWindowExW(area, nullptr, L"__wine_tray_icon", nullptr); icon;
       icon = FindWindowExW(area, icon, L"__wine_tray_icon", nullptr)) {
    icons.push_back(icon);
  }
  return icons;
}

// Where a click reaches the program's icon in the shell's notification area:
// its own window where the shell gives each icon one (Wine 10), otherwise the
// area itself, whose icons are drawn in slots from its right edge (Wine 8):
// the program's is the only one there.
struct ShellIcon {
  HWND window = nullptr;
  POINT at{};  // in the window's client coordinates
};

ShellIcon FindShellIcon(const std::vector<HWND>& before) {
  for (HWND candidate : ShellIconWindows()) {
    if (std::find(before.begin(), before.end(), candidate) == before.end())
      return {candidate, {5, 5}};
  }
  HWND area = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!area || !Visible(area) || !before.empty()) return {};
  RECT client;
  GetClientRect(area, &client);
  const int slot = GetSystemMetrics(SM_CXSMICON) + 4;
  return {area, {client.right - slot / 2, (GetSystemMetrics(SM_CYSMICON) + 4) / 2}};
}

// A menu opened at a point has a corner there, or, where it would leave the
// screen, is moved in against the screen's edge (Wine) or turned to the other
// side of the point (Windows): on one axis, the menu's [low, high] span.
bool OpensAt(LONG point, LONG low, LONG high, int screenEnd) {
  return low == point || high == point || (high == screenEnd && low < point);
}

// A click on the icon as the user makes it; the shell reports it in the
// format it agreed to.
void ClickShellIcon(const ShellIcon& icon, TrayButton button) {
  const LPARAM at = MAKELPARAM(icon.at.x, icon.at.y);
  if (button == TrayButton::Left) {
    PostMessageW(icon.window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(icon.window, WM_LBUTTONUP, 0, at);
  } else {
    PostMessageW(icon.window, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(icon.window, WM_RBUTTONUP, 0, at);
  }
}

struct ShellKind {
  const char* label;
  bool refusesVersion4;
};

std::ostream& operator<<(std::ostream& out, const ShellKind& kind) { return out << kind.label; }

class ShellClicksTest : public TrayIconTest, public ::testing::WithParamInterface<ShellKind> {};

// Wine 10's shell takes version 4; a shell that refuses it keeps the old
// messages, and the clicks work the same either way.
TEST_P(ShellClicksTest, ClicksInTheShellsOwnNotificationArea) {
  const std::vector<HWND> before = ShellIconWindows();
  LayOutProgramFolder(folder(), Edition::Pro, {"Updater.exe", "Glossator.dll"});
  if (GetParam().refusesVersion4) std::ofstream(folder() / L"Glossator.dll.oldshell");
  HWND window = Launch();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(TrayIconVersion(folder()), GetParam().refusesVersion4 ? 0u : 4u);
  const ShellIcon icon = FindShellIcon(before);
  ASSERT_NE(icon.window, nullptr) << "the shell shows no new icon";

  HideToTray(window);
  ClickShellIcon(icon, TrayButton::Left);
  EXPECT_TRUE(WaitUntil([&] { return Visible(window); })) << "the left click did not show it";
  EXPECT_TRUE(ProgramInFront()) << "the program did not come to the front";

  HideToTray(window);
  POINT clicked = icon.at;
  ClientToScreen(icon.window, &clicked);
  // The old messages give no point: the menu opens at the cursor, which a
  // real click leaves over the icon.
  SetCursorPos(clicked.x, clicked.y);
  ClickShellIcon(icon, TrayButton::Right);
  const HWND menu = WaitForMenu();
  ASSERT_NE(menu, nullptr) << "the right click opened no menu";
  RECT place;
  GetWindowRect(menu, &place);
  EXPECT_TRUE(OpensAt(clicked.x, place.left, place.right, GetSystemMetrics(SM_CXSCREEN)))
      << place.left << ".." << place.right << " for " << clicked.x;
  EXPECT_TRUE(OpensAt(clicked.y, place.top, place.bottom, GetSystemMetrics(SM_CYSCREEN)))
      << place.top << ".." << place.bottom << " for " << clicked.y;
  Choose(menu, 0);  // show the window
  EXPECT_TRUE(WaitUntil([&] { return Visible(window); }));
}

INSTANTIATE_TEST_SUITE_P(Version4AndOld, ShellClicksTest,
                         ::testing::Values(ShellKind{"Version4", false}, ShellKind{"Old", true}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tandemix::test
