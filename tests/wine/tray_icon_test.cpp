// The notification-area icon as the shell and the user meet it: what the
// program hands the shell, the icon's clicks as the shell reports them, its
// menu, an Explorer restart and the end of the program.

#include <windows.h>
#include <shellapi.h>

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

  // Opens the icon's menu with a right click and picks the item at the
  // position (0 the first) from the keyboard.
  void ChooseFromTrayMenu(int position) const {
    const TrayCall icon = Icon();
    ASSERT_NE(icon.window, nullptr) << "no icon was added";
    // The menu stays open inside the handler: post, as the shell does.
    PostMessageW(icon.window, icon.callbackMessage, icon.id, WM_RBUTTONUP);
    HWND menu = nullptr;
    // "#32768" is the class of pop-up menus.
    ASSERT_TRUE(WaitUntil([&] {
      return (menu = FindShownWindow(program_->id(), L"#32768")) != nullptr;
    })) << "no menu opened";
    for (int i = 0; i <= position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stayed open";
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

  SendToTrayIcon(folder(), WM_LBUTTONUP);
  EXPECT_TRUE(Visible(window));
  EXPECT_FALSE(IsIconic(window));
  EXPECT_TRUE(WaitUntil([&] {
    DWORD owner = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &owner);
    return owner == program().id();
  })) << "the program did not come to the front";
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

  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }));
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
  ASSERT_TRUE(WaitUntil([&] { return CallsOf(ReadTrayCalls(folder()), NIM_ADD).size() == 2; }))
      << "the icon was not added again";
  const TrayCall again = CallsOf(ReadTrayCalls(folder()), NIM_ADD).back();
  EXPECT_EQ(again.window, icon.window);
  EXPECT_EQ(again.id, icon.id);
  EXPECT_EQ(again.tip, icon.tip);
  EXPECT_TRUE(again.succeeded);
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

}  // namespace
}  // namespace tandemix::test
