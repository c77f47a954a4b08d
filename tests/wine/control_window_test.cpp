// The control window against the real program: what a user does, and what
// the user, the plug-in (the shared block) and the settings file then see.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <optional>

#include "settings/ansi_text.h"
#include "tandemix/trans_control_block.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

// The block as the plug-in sees it; holding it keeps it alive after the program.
class PluginView {
 public:
  PluginView() {
    mapping_ = OpenFileMappingA(FILE_MAP_READ, FALSE, TRANS_MAPPING_NAME);
    if (mapping_)
      view_ =
          static_cast<const TransControlBlock*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
  }
  ~PluginView() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
  }
  const TransControlBlock* operator->() const { return view_; }
  explicit operator bool() const { return view_ != nullptr; }

 private:
  HANDLE mapping_ = nullptr;
  const TransControlBlock* view_ = nullptr;
};

std::string Ansi(const char16_t* text) { return Utf16ToAnsi(text); }

std::string IniValue(const fs::path& file, const wchar_t* key) {
  wchar_t value[256] = {};
  GetPrivateProfileStringW(L"Option", key, L"<missing>", value, 256, file.c_str());
  return Ansi(reinterpret_cast<const char16_t*>(value));
}

void WriteConfig(const fs::path& folder, const std::string& lines) {
  std::ofstream(folder / L"ConfigEN.ini", std::ios::binary) << "[Option]\r\n" << lines;
}

bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }

// The control window once created: the message loop shows it after creation.
HWND Shown(const Program& program) {
  HWND window = program.WaitForControlWindow();
  return window && WaitUntil([&] { return Visible(window); }) ? window : nullptr;
}

// A click on a check box: its tick changes, then its parent hears of it.
void ClickCheckBox(const Program& program, const char* name) {
  HWND box = FindControl(program.ControlWindow(), ControlId(name));
  const bool ticked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  SendMessageW(box, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
  program.Click(name);
}
bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

class ControlWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMessengerInstall();
    messenger_.emplace();  // found at start-up, so no prompt
  }

  fs::path LayOut(Edition edition, const std::vector<std::string>& fixtures = {"Updater.exe"}) {
    return LayOutProgramFolder(folder_.path(), edition, fixtures);
  }

  HWND Control(Program& program, const char* name) {
    return FindControl(program.ControlWindow(), ControlId(name));
  }

  TempDir folder_;
  std::optional<ScopedCandidateFolder> messenger_;
};

TEST_F(ControlWindowTest, StartStopAndExitAsThePluginAndTheSettingsFileSeeThem) {
  Program program(LayOut(Edition::Pro));
  HWND window = Shown(program);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Tandemix Pro");
  EXPECT_TRUE(Enabled(Control(program, "btnStart")));
  EXPECT_FALSE(Enabled(Control(program, "btnStop")));

  PluginView block;
  ASSERT_TRUE(block);
  EXPECT_EQ(block->TransState, 0u);
  EXPECT_EQ(block->OwnerProcessId, program.id());
  EXPECT_STREQ(block->OwnerExeName, "Tandemix.exe");
  EXPECT_STREQ(block->TransHostName, "translate.googleapis.com");

  program.Click("btnStart");
  ASSERT_TRUE(WaitUntil([&] { return std::strcmp(block->RecvLang, Ansi(u"英语").c_str()) == 0; }));
  EXPECT_EQ(block->TransState, TRANS_ON_MARK);
  EXPECT_STREQ(block->SendLang, Ansi(u"中文(简体)").c_str());
  EXPECT_EQ(block->TransTimeOut, 15);
  EXPECT_EQ(block->Reserved, 0);
  EXPECT_EQ(block->NeedConfirm, 0);
  EXPECT_EQ(block->AutoRead, 0);
  EXPECT_EQ(block->SaveHistory, 1);
  EXPECT_FALSE(Visible(window)) << "Start hides the window to the tray";
  EXPECT_FALSE(Enabled(Control(program, "btnStart")));
  EXPECT_TRUE(Enabled(Control(program, "btnStop")));

  program.Click("btnStop");
  ASSERT_TRUE(WaitUntil([&] { return block->TransState == 0; }));
  EXPECT_STREQ(block->SendLang, Ansi(u"中文(简体)").c_str()) << "Stop clears only the mark";
  EXPECT_EQ(block->SaveHistory, 1);
  EXPECT_TRUE(WaitUntil([&] { return Enabled(Control(program, "btnStart")); }));

  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  const fs::path config = folder_.path() / L"ConfigEN.ini";
  EXPECT_EQ(IniValue(config, L"TimeOut"), "15");
  EXPECT_EQ(IniValue(config, L"TranslateMode"), "1");
  EXPECT_EQ(IniValue(config, L"SendMessageMode"), "1");
  EXPECT_EQ(IniValue(config, L"TransMothed").size(), 48u) << "the host, protected";
  EXPECT_EQ(IniValue(config, L"SendIndex"), "0");
  EXPECT_EQ(IniValue(config, L"RecvIndex"), "2");
  EXPECT_EQ(IniValue(config, L"LangIndex"), "0");
}

TEST_F(ControlWindowTest, OptionClicksReachTheBlockAtOnce) {
  Program program(LayOut(Edition::Pro));
  ASSERT_NE(Shown(program), nullptr);
  PluginView block;
  ClickCheckBox(program, "chkAutoRead");
  EXPECT_TRUE(WaitUntil([&] { return block->AutoRead == 1; }));
  ClickCheckBox(program, "chkSaveHistory");
  EXPECT_TRUE(WaitUntil([&] { return block->SaveHistory == 0; }));
  EXPECT_EQ(block->TransState, 0u) << "options do not switch translation on";

  program.Click("btnStart");
  ASSERT_TRUE(WaitUntil([&] { return block->SendLang[0] != '\0'; }));
  EXPECT_EQ(block->NeedConfirm, 0);
  EXPECT_EQ(block->AutoRead, 1);
  EXPECT_EQ(block->SaveHistory, 0);
}

struct MissingChoice {
  const char* config;
  const wchar_t* hintKey;
  const char* focused;
};

class MissingLanguageTest : public ControlWindowTest,
                            public ::testing::WithParamInterface<MissingChoice> {};

TEST_P(MissingLanguageTest, StartNamesTheEmptyListAndSwitchesNothing) {
  const fs::path exe = LayOut(Edition::Pro);
  WriteConfig(folder_.path(), GetParam().config);
  Program program(exe);
  HWND window = Shown(program);
  ASSERT_NE(window, nullptr);
  PluginView block;

  program.Click("btnStart");
  HWND box = program.WaitForDialog();
  ASSERT_NE(box, nullptr);
  wchar_t expected[512];
  const fs::path hints = folder_.path() / L"CHS.ini";
  GetPrivateProfileStringW(L"Hint", GetParam().hintKey, L"", expected, 512, hints.c_str());
  ASSERT_NE(expected[0], L'\0');
  EXPECT_NE(DialogMessage(box).find(expected), std::wstring::npos);
  GetPrivateProfileStringW(L"Hint", L"HINT_CAPTION", L"", expected, 512, hints.c_str());
  EXPECT_EQ(WindowText(box), expected);
  ClickDialogButton(box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return program.Dialog() == nullptr; }));

  EXPECT_EQ(block->TransState, 0u);
  EXPECT_TRUE(Visible(window));
  EXPECT_TRUE(Enabled(Control(program, "btnStart")));
  EXPECT_TRUE(WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus == Control(program, GetParam().focused);
  }));

  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(IniValue(folder_.path() / L"ConfigEN.ini", L"SendIndex"),
            std::strstr(GetParam().config, "SendIndex=9") ? "-1" : "0");
}

INSTANTIATE_TEST_SUITE_P(BothLists, MissingLanguageTest,
                         ::testing::Values(MissingChoice{"SendIndex=99\r\nRecvIndex=99\r\n",
                                                         L"NOT_SELECT_SENDLANG", "cbbSendLang"},
                                           MissingChoice{"SendIndex=0\r\nRecvIndex=-1\r\n",
                                                         L"NOT_SELECT_RECVLANG", "cbbRecvLang"}));

TEST_F(ControlWindowTest, CloseAndMinimizeHideToTheTrayAndTheTrayMenuBringsItBack) {
  Program program(LayOut(Edition::Pro));
  HWND window = Shown(program);
  ASSERT_NE(window, nullptr);
  PluginView block;
  program.Click("btnStart");
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }));

  PostMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId("mniMainWindow"), 0), 0);
  ASSERT_TRUE(WaitUntil([&] { return Visible(window); }));

  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }));
  EXPECT_TRUE(program.Running()) << "closing only hides the window";
  EXPECT_EQ(block->TransState, TRANS_ON_MARK);
  EXPECT_TRUE(Enabled(Control(program, "btnStop")));

  PostMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId("mniMainWindow"), 0), 0);
  ASSERT_TRUE(WaitUntil([&] { return Visible(window); }));
  PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }));

  PostMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId("mniExitApp"), 0), 0);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_EQ(block->TransState, 0u) << "the end of the program switches translation off";
}

TEST_F(ControlWindowTest, EndOfTheSessionEndsTheProgramAndSavesTheLists) {
  const fs::path exe = LayOut(Edition::Pro);
  WriteConfig(folder_.path(), "SendIndex=3\r\nRecvIndex=4\r\n");
  Program program(exe);
  HWND window = Shown(program);
  ASSERT_NE(window, nullptr);
  SendMessageW(FindControl(window, ControlId("cbbRecvLang")), CB_SETCURSEL, 5, 0);

  // What the system sends every top-level window when the user logs off.
  EXPECT_TRUE(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
  SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  const fs::path config = folder_.path() / L"ConfigEN.ini";
  EXPECT_EQ(IniValue(config, L"SendIndex"), "3");
  EXPECT_EQ(IniValue(config, L"RecvIndex"), "5");
}

TEST_F(ControlWindowTest, StandardEditionHasNoOptionsPageAndSendsItsFixedOptions) {
  Program program(LayOut(Edition::Standard));
  HWND window = Shown(program);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Tandemix");
  HWND tabs = FindControl(window, ControlId("MainPageControl"));
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);

  PluginView block;
  program.Click("btnStart");
  ASSERT_TRUE(WaitUntil([&] { return block->SendLang[0] != '\0'; }));
  EXPECT_EQ(block->NeedConfirm, 0);
  EXPECT_EQ(block->AutoRead, 0);
  EXPECT_EQ(block->SaveHistory, 1);
}

TEST_F(ControlWindowTest, StandardEditionWithoutUpdaterWarnsInChineseAndEnds) {
  const fs::path exe = LayOut(Edition::Standard, {});
  WriteConfig(folder_.path(), "LangIndex=1\r\nSendIndex=1\r\n");
  Program program(exe);
  HWND box = program.WaitForDialog();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), L"提示") << DialogMessage(box);
  EXPECT_NE(DialogMessage(box).find(L"缺少升级程序组件，软件将不能运行!"), std::wstring::npos);
  ClickDialogButton(box, IDOK);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_EQ(IniValue(folder_.path() / L"ConfigEN.ini", L"SendIndex"), "1")
      << "the window's end still saves the settings";
}

TEST_F(ControlWindowTest, EnglishInterfaceTurnsTextsAndListsIntoEnglish) {
  const fs::path exe = LayOut(Edition::Pro);
  WriteConfig(folder_.path(), "LangIndex=1\r\n");
  Program program(exe);
  HWND window = Shown(program);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Tandemix Pro") << "the caption is the edition's";
  EXPECT_EQ(WindowText(Control(program, "btnStart")), L"&Start");
  EXPECT_EQ(WindowText(Control(program, "chkAutoRead")).find_first_of(L"\x4E00\x81EA"),
            std::wstring::npos);
  EXPECT_NE(WindowText(Control(program, "lblEmail")), L"");

  PluginView block;
  program.Click("btnStart");
  ASSERT_TRUE(WaitUntil([&] { return block->SendLang[0] != '\0'; }));
  EXPECT_STREQ(block->SendLang, "Chinese (Simplified)");
  EXPECT_STREQ(block->RecvLang, "English");
}

TEST_F(ControlWindowTest, DamagedLogoFileKeepsTheStoredBannerAndTheWindowComesUp) {
  const fs::path exe = LayOut(Edition::Pro);
  std::string logo = ReadFileBytes(folder_.path() / L"LOGO_ENU_PRO.jpg");
  ASSERT_GT(logo.size(), 100u);
  std::ofstream(folder_.path() / L"LOGO_ENU_PRO.jpg", std::ios::binary)
      << logo.substr(0, logo.size() / 2);
  Program program(exe);
  EXPECT_NE(Shown(program), nullptr);
}

TEST_F(ControlWindowTest, AboutPageShowsTheEditionsVersion) {
  for (Edition edition : {Edition::Pro, Edition::Standard}) {
    Program program(LayOut(edition));
    ASSERT_NE(Shown(program), nullptr);
    EXPECT_EQ(WindowText(Control(program, "lblVersionStr")),
              edition == Edition::Pro ? L"4.1.1" : L"4.2.1");
    program.Exit();
    ASSERT_TRUE(program.WaitForExit());
  }
}

}  // namespace
}  // namespace tandemix::test
