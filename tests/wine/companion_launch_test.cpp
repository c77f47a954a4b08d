// The programs Tandemix starts, seen by stand-ins that log how they were
// started: Hostprep and the Messenger client at Start, the updater at creation.

#include <gtest/gtest.h>

#include <optional>

#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

const wchar_t kApplicationTitle[] = L"Tandemix\u7FFB\u8BD1\u52A9\u624B";  // Tandemix翻译助手

HWND MessengerWindow() { return FindWindowW(L"YahooBuddyMain", L"Yahoo! Messenger"); }

// Case and a trailing backslash aside, the same folder.
bool SameFolder(std::string a, std::string b) {
  for (std::string* s : {&a, &b}) {
    if (!s->empty() && s->back() == '\\') s->pop_back();
  }
  return _stricmp(a.c_str(), b.c_str()) == 0;
}

class CompanionLaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ClearMessengerInstall(), "") << "the prefix already holds a Messenger client";
    ASSERT_EQ(MessengerWindow(), nullptr) << "a Messenger window is already open";
    // The client's folder through the uninstall entry: a path without blanks,
    // so the command lines are plain.
    fs::copy_file(Fixture("YahooMessenger.exe"), client_.path() / L"YahooMessenger.exe");
    entry_.emplace(Ansi(client_.path().wstring()) + "\\uninstall.exe /U");
    exe_ = LayOutProgramFolder(program_.path(), Edition::Pro, {"Hostprep.exe", "Updater.exe"});
    programFolder_ = Ansi(program_.path().wstring()) + "\\";
    ASSERT_EQ(programFolder_.find(' '), std::string::npos);
  }
  void TearDown() override {
    if (HWND window = MessengerWindow()) PostMessageW(window, WM_CLOSE, 0, 0);
    WaitUntil([] { return MessengerWindow() == nullptr; });
    entry_.reset();
    ClearMessengerInstall();
  }

  std::vector<StartRecord> Starts(const fs::path& folder, const wchar_t* standIn) {
    return ReadStartLog(folder / standIn);
  }

  TempDir program_;
  TempDir client_;
  std::optional<ScopedUninstallEntry> entry_;
  fs::path exe_;
  std::string programFolder_;
};

TEST_F(CompanionLaunchTest, UpdaterToldPidAndEnglishFromTheProgramFolder) {
  Program program(exe_);
  ASSERT_TRUE(WaitUntil([&] { return Starts(program_.path(), L"Updater.exe").size() == 1; }));
  const StartRecord updater = Starts(program_.path(), L"Updater.exe")[0];
  const std::string parameters = " -pid " + std::to_string(program.id()) + " -language English";
  ASSERT_GE(updater.commandLine.size(), parameters.size());
  EXPECT_EQ(updater.commandLine.substr(updater.commandLine.size() - parameters.size()), parameters)
      << updater.commandLine;
  EXPECT_NE(updater.commandLine.find(programFolder_ + "Updater.exe"), std::string::npos);
  EXPECT_TRUE(SameFolder(updater.workingFolder, programFolder_)) << updater.workingFolder;
  EXPECT_EQ(updater.showState, "1");
}

TEST_F(CompanionLaunchTest, StartRunsHostprepHiddenAndTheClientOnlyWhenAbsent) {
  Program program(exe_);
  ASSERT_NE(program.WaitForControlWindow(), nullptr);
  program.Click("btnStart");
  const bool started =
      WaitUntil([&] { return Starts(program_.path(), L"Hostprep.exe").size() == 1; });
  ASSERT_TRUE(started) << "no Hostprep start; a message: "
                       << Ansi(program.Dialog() ? DialogMessage(program.Dialog()) : L"none");
  const StartRecord hostprep = Starts(program_.path(), L"Hostprep.exe")[0];
  EXPECT_EQ(hostprep.commandLine, programFolder_ + "Hostprep.exe " + Ansi(kApplicationTitle));
  EXPECT_EQ(hostprep.showState, std::to_string(SW_HIDE));

  ASSERT_TRUE(WaitUntil([&] { return Starts(client_.path(), L"YahooMessenger.exe").size() == 1; }));
  const StartRecord client = Starts(client_.path(), L"YahooMessenger.exe")[0];
  EXPECT_EQ(client.commandLine, Ansi(client_.path().wstring()) + "\\YahooMessenger.exe");
  EXPECT_EQ(client.showState, std::to_string(SW_SHOWNORMAL));
  ASSERT_TRUE(WaitUntil([] { return MessengerWindow() != nullptr; }));

  // Stop, and Start again while the client's window is there.
  program.Click("btnStop");
  program.Click("btnStart");
  ASSERT_TRUE(WaitUntil([&] { return Starts(program_.path(), L"Hostprep.exe").size() == 2; }));
  // Returns once the Start handler has finished, the client's start included.
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(
      SendMessageTimeoutW(program.ControlWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 20000, &ignored));
  EXPECT_EQ(Starts(client_.path(), L"YahooMessenger.exe").size(), 1u) << "the client started twice";
}

}  // namespace
}  // namespace tandemix::test
