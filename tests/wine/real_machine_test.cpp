// What a user's machine hands the real program and our own folders never did:
// Chinese folder names, a library planted in the working folder, a damaged
// library, a long program path, a second start while the window sits in the
// tray, a colour in the interface-language file.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <set>

#include "settings/error_text_win.h"
#include "settings/file_io.h"
#include "tests/utf16_file.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

const fs::path kPluginFolder = L"Plugin\\Test\\SidePanel\\test.yplugin";
// Its second byte in code page 936 is 0x5C, a backslash.
constexpr wchar_t kBackslashTrail[] = L"\u5630";

void WriteFile(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::set<std::wstring> Listing(const fs::path& folder) {
  std::set<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

class RealMachineTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(ClearMessengerInstall(), ""); }
  void TearDown() override { ClearMessengerInstall(); }

  fs::path LayOut(Edition edition = Edition::Pro, std::vector<std::string> extra = {}) {
    extra.push_back("Updater.exe");
    return LayOutProgramFolder(program_.path(), edition, extra);
  }

  static void ExpectDeployed(const fs::path& messengerDir) {
    for (const wchar_t* file : {L"Sidecard.html", L"Sidecard.ocx", L"Control.js"}) {
      EXPECT_TRUE(fs::exists(messengerDir / kPluginFolder / file))
          << fs::path(file).string() << " not deployed";
    }
    EXPECT_TRUE(fs::exists(messengerDir / kPluginFolder / L"MANIFEST" / L"plugin.properties"));
  }

  TempDir program_;
};

TEST_F(RealMachineTest, SecondStartBringsBackTheWindowHiddenInTheTray) {
  ScopedCandidateFolder messenger;
  const fs::path exe = LayOut();
  Program first(exe);
  const HWND window = first.WaitForShownControlWindow();
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // the title bar's close: to the tray
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));

  Program second(exe);
  EXPECT_TRUE(second.EndsWithoutWindow());
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }))
      << "the running instance stayed in the tray";
  EXPECT_TRUE(first.Running());
}

// Typed at the prompt or found in the registry, a client folder whose name
// ends in a double-byte character with a backslash byte is the client's folder.
TEST_F(RealMachineTest, ClientFolderEndingInADoubleByteBackslashAtThePrompt) {
  TempDir parent;
  const fs::path client = parent.path() / kBackslashTrail;
  fs::create_directories(client);
  fs::copy_file(Fixture("YahooMessenger.exe"), client / L"YahooMessenger.exe");
  Program program(LayOut());
  const HWND prompt = program.WaitForInputBox();
  ASSERT_NE(prompt, nullptr);
  SetEditText(prompt, client.wstring());
  ClickDialogButton(prompt, IDOK);

  ASSERT_NE(program.WaitForShownControlWindow(std::chrono::seconds(10)), nullptr)
      << "the folder was not accepted";
  ExpectDeployed(client);
  EXPECT_EQ(Listing(parent.path()), std::set<std::wstring>{kBackslashTrail})
      << "a folder was made from part of a character";
}

TEST_F(RealMachineTest, ClientFolderEndingInADoubleByteBackslashInTheRegistry) {
  TempDir parent;
  const fs::path client = parent.path() / kBackslashTrail;
  fs::create_directories(client);
  ScopedUninstallEntry entry(Ansi((client / L"uninstall.exe").wstring()) + " /U");
  Program program(LayOut());
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  ExpectDeployed(client);
  EXPECT_EQ(Listing(parent.path()), std::set<std::wstring>{kBackslashTrail});
}

TEST_F(RealMachineTest, ALibraryInTheWorkingFolderIsNotLoaded) {
  ScopedCandidateFolder messenger;
  TempDir working;
  fs::copy_file(Fixture("Glossator.dll"), working.path() / L"Glossator.dll");
  Program program(LayOut(), working.path());
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_FALSE(fs::exists(working.path() / L"Glossator.dll.log"))
      << "Glossator.dll was loaded from the working folder";
}

TEST_F(RealMachineTest, TheLibraryLoadsWithTheLoadersBoxesOffAndADamagedOneIsPassedOver) {
  ScopedCandidateFolder messenger;
  {
    Program program(LayOut(Edition::Pro, {"Glossator.dll"}));
    ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
    // The stand-in wrote down the error mode it was loaded under.
    const std::string mode = ReadFileBytes(program_.path() / L"Glossator.dll.errormode.log");
    ASSERT_FALSE(mode.empty());
    EXPECT_TRUE(std::stoul(mode) & SEM_FAILCRITICALERRORS) << "error mode " << mode;
  }
  WriteFile(program_.path() / L"Glossator.dll", "MZ this is no library");
  Program program(program_.path() / L"Tandemix.exe");
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  EXPECT_EQ(program.Dialog(), nullptr);
  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
}

// The screen under a control holds a pixel of exactly that colour.
bool DrawsInColour(HWND control, COLORREF colour) {
  RECT area;
  GetWindowRect(control, &area);
  HDC screen = GetDC(nullptr);
  bool found = false;
  for (int y = area.top; y < area.bottom && !found; ++y) {
    for (int x = area.left; x < area.right && !found; ++x) found = GetPixel(screen, x, y) == colour;
  }
  ReleaseDC(nullptr, screen);
  return found;
}

// (Wine's group boxes draw their caption in the system's colour whatever the
// window asks, so a label stands for the controls that show the colour.)
TEST_F(RealMachineTest, ALabelDrawsInTheColourOfItsFont) {
  ScopedCandidateFolder messenger;
  const fs::path exe = LayOut();
  WriteFile(program_.path() / L"CHS.txt",
            Utf16File(u"TfrmYahooIM_Main.lblSendLang.!Font=Tahoma,10,B,,clRed\r\n"));
  Program program(exe);
  const HWND window = program.WaitForShownControlWindow();
  ASSERT_NE(window, nullptr);
  const HWND label = FindControl(window, ControlId("lblSendLang"));
  EXPECT_TRUE(
      WaitUntil([&] { return DrawsInColour(label, RGB(255, 0, 0)); }, std::chrono::seconds(5)));
  EXPECT_FALSE(DrawsInColour(FindControl(window, ControlId("lblRecvLang")), RGB(255, 0, 0)));
}

// Chinese names take two bytes a character in the ANSI code page: a path well
// within MAX_PATH characters can be longer than MAX_PATH bytes.
TEST_F(RealMachineTest, AProgramPathLongerThanMaxPathBytesStillDeploysThePlugin) {
  ScopedCandidateFolder messenger;
  fs::path deep = program_.path();
  while (Ansi(deep.wstring()).size() < MAX_PATH + 40) deep /= std::wstring(30, L'\u7ffb');
  ASSERT_LT(deep.wstring().size(), 240u);
  const fs::path exe = LayOutProgramFolder(deep, Edition::Pro, {"Updater.exe"});
  Program program(exe);
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  ExpectDeployed(messenger.path());
}

TEST(ErrorTextTest, PathsShowAsTheUserNamedThem) {
  // Chinese, and a character code page 936 lacks.
  const std::u16string file = u"C:\\\u8bbe\u7f6e\\\ud55c\\ConfigEN.ini";
  EXPECT_EQ(ErrorText(CannotWriteError(file)),
            L"Cannot write the file C:\\\u8bbe\u7f6e\\\ud55c\\ConfigEN.ini");
  EXPECT_EQ(ErrorText(CannotReadError(file)),
            L"Cannot read the file C:\\\u8bbe\u7f6e\\\ud55c\\ConfigEN.ini");
}

}  // namespace
}  // namespace tandemix::test
