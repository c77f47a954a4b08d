// The control window from the keyboard alone, against the real program: keys
// go in as the keyboard sends them (SendInput to the foreground window), and
// the test reads where the focus is, which page shows and what a key did.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <initializer_list>
#include <vector>

#include "tests/wine/keyboard_input.h"
#include "tests/wine/window_test.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

class KeyboardTest : public WindowTest {
 protected:
  // Starts the program and waits until its window has the keyboard.
  HWND Start(Edition edition = Edition::Pro) {
    // The recording Glossator.dll tells the tray icon's format.
    window_ = WindowTest::Start(edition, "", {"Updater.exe", "Glossator.dll"});
    if (!window_) return nullptr;
    SetForegroundWindow(window_);
    return WaitUntil([&] { return GetForegroundWindow() == window_; }) ? window_ : nullptr;
  }

  HWND Control(const char* name) const { return FindControl(window_, ControlId(name)); }
  std::wstring FocusName() const {
    HWND focus = FocusOf(window_);
    for (const char* name : kFocusable) {
      if (focus == Control(name)) return std::wstring(name, name + strlen(name));
    }
    return focus ? L"<" + ClassNameOf(focus) + L">" : L"<none>";
  }
  bool FocusOn(const char* name) const {
    return WaitUntil([&] { return FocusOf(window_) == Control(name); }, std::chrono::seconds(5));
  }
  // What the notification area tells the window of a left click on its icon.
  void ClickTrayIcon() const { tandemix::test::ClickTrayIcon(folder(), TrayButton::Left); }
  LRESULT SelectedTab() const {
    return SendMessageW(Control("MainPageControl"), TCM_GETCURSEL, 0, 0);
  }

  static constexpr const char* kFocusable[] = {"MainPageControl", "cbbSendLang", "cbbRecvLang",
                                               "chkNeedConfirm",  "chkAutoRead", "chkSaveHistory",
                                               "lblEmail",        "lblHomePage", "btnStart",
                                               "btnStop",         "btnExit"};

  HWND window_ = nullptr;
};

TEST_F(KeyboardTest, FocusStartsOnTheFirstListAndTabGoesStripPageButtons) {
  ASSERT_NE(Start(), nullptr);
  EXPECT_TRUE(FocusOn("cbbSendLang")) << FocusName();

  // Stop is disabled while translation is off, so Tab passes it.
  for (const char* next :
       {"cbbRecvLang", "btnStart", "btnExit", "MainPageControl", "cbbSendLang"}) {
    Press(VK_TAB);
    EXPECT_TRUE(FocusOn(next)) << "expected " << next << ", focus on "
                               << testing::PrintToString(FocusName());
  }
  for (const char* previous : {"MainPageControl", "btnExit"}) {
    Press(VK_TAB, {VK_SHIFT});
    EXPECT_TRUE(FocusOn(previous))
        << "expected " << previous << ", focus on " << testing::PrintToString(FocusName());
  }
}

TEST_F(KeyboardTest, CtrlTabTurnsThePagesRoundAndTabEntersThePageShown) {
  ASSERT_NE(Start(), nullptr);
  ASSERT_TRUE(FocusOn("cbbSendLang"));
  struct Turn {
    std::initializer_list<WORD> modifiers;
    LRESULT tab;
    const char* page;
    const char* firstControl;
  };
  const Turn turns[] = {
      {{VK_CONTROL}, 1, "SystemSetSheet", "chkNeedConfirm"},
      {{VK_CONTROL}, 2, "AboutSheet", "lblEmail"},
      {{VK_CONTROL}, 0, "FunctionSheet", "cbbSendLang"},
      {{VK_CONTROL, VK_SHIFT}, 2, "AboutSheet", "lblEmail"},
  };
  for (const Turn& turn : turns) {
    Press(VK_TAB, turn.modifiers);
    ASSERT_TRUE(WaitUntil([&] { return SelectedTab() == turn.tab; })) << turn.page;
    EXPECT_TRUE(Visible(Control(turn.page))) << turn.page;
    for (const char* page : {"FunctionSheet", "SystemSetSheet", "AboutSheet"}) {
      if (page != turn.page) {
        EXPECT_FALSE(Visible(Control(page))) << page;
      }
    }
    // Whatever had the focus on the page before, it now shows on the strip.
    EXPECT_TRUE(FocusOn("MainPageControl"))
        << turn.page << ": " << testing::PrintToString(FocusName());
    Press(VK_TAB);
    EXPECT_TRUE(FocusOn(turn.firstControl))
        << turn.page << ": " << testing::PrintToString(FocusName());
  }
}

TEST_F(KeyboardTest, SpaceTicksAnOptionAsAClickWould) {
  ASSERT_NE(Start(), nullptr);
  Press(VK_TAB, {VK_CONTROL});
  Press(VK_TAB);
  ASSERT_TRUE(FocusOn("chkNeedConfirm"));
  Press(VK_SPACE);
  EXPECT_TRUE(WaitUntil(
      [&] { return SendMessageW(Control("chkNeedConfirm"), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
}

// The processes named exeName that the program started, by id.
std::vector<DWORD> ChildrenNamed(DWORD parentId, const wchar_t* exeName) {
  std::vector<DWORD> found;
  for (const ListedProcess& listed : ListProcesses()) {
    if (listed.parentId == parentId && _wcsicmp(listed.exeName.c_str(), exeName) == 0)
      found.push_back(listed.id);
  }
  return found;
}

void EndProcesses(const std::vector<DWORD>& ids) {
  for (DWORD id : ids) {
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (process) EndProcess(process.get());
  }
}

// A link opens its address through Explorer.exe, which the program starts.
TEST_F(KeyboardTest, EnterAndSpaceOpenTheLinks) {
  ASSERT_NE(Start(), nullptr);
  Press(VK_TAB, {VK_CONTROL, VK_SHIFT});
  Press(VK_TAB);
  ASSERT_TRUE(FocusOn("lblEmail")) << testing::PrintToString(FocusName());
  Press(VK_RETURN);
  std::vector<DWORD> started;
  EXPECT_TRUE(WaitUntil(
      [&] { return (started = ChildrenNamed(program_->id(), L"explorer.exe")).size() == 1; }));
  EndProcesses(started);

  Press(VK_TAB);
  ASSERT_TRUE(FocusOn("lblHomePage")) << testing::PrintToString(FocusName());
  Press(VK_SPACE);
  EXPECT_TRUE(WaitUntil(
      [&] { return !(started = ChildrenNamed(program_->id(), L"explorer.exe")).empty(); }));
  EndProcesses(started);
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButton) {
  ASSERT_NE(Start(), nullptr);
  Press(VK_TAB, {VK_SHIFT});
  Press(VK_TAB, {VK_SHIFT});
  ASSERT_TRUE(FocusOn("btnExit")) << testing::PrintToString(FocusName());
  Press(VK_RETURN);
  EXPECT_TRUE(program_->WaitForExit());
}

// Alt and the underlined letter press a button wherever the focus is.
class MnemonicTest : public KeyboardTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MnemonicTest, MnemonicsPressTheButtons) {
  std::ofstream(folder_->path() / L"ConfigEN.ini", std::ios::binary)
      << "[Option]\r\nLangIndex=" << GetParam() << "\r\n";
  ASSERT_NE(Start(), nullptr);
  Press('S', {VK_MENU});  // Start hides the window to the tray
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window_); }));
  EXPECT_TRUE(IsWindowEnabled(Control("btnStop")));
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return Visible(window_); }));
  SetForegroundWindow(window_);
  // The click ends by bringing the application to the front, and the keys go
  // where the focus is once it has: inside the window.
  ASSERT_TRUE(WaitUntil([&] {
    const HWND focus = FocusOf(window_);
    return GetForegroundWindow() == window_ && focus && IsChild(window_, focus);
  }));
  Press('T', {VK_MENU});
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(Control("btnStart")) != FALSE; }));
  Press('X', {VK_MENU});
  EXPECT_TRUE(program_->WaitForExit());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MnemonicTest, ::testing::Values("0", "1"),
                         [](const auto& info) {
                           return std::string(*info.param == '0' ? "Chinese" : "English");
                         });

TEST_F(KeyboardTest, EscapeHidesTheWindowAsCloseDoes) {
  ASSERT_NE(Start(), nullptr);
  Press(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window_); }));
  EXPECT_TRUE(program_->Running());

  // Back from the tray, the focus is where it was.
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return Visible(window_); }));
  EXPECT_TRUE(FocusOn("cbbSendLang")) << testing::PrintToString(FocusName());
}

}  // namespace
}  // namespace tandemix::test
