// The programs Tandemix starts, seen by stand-ins that log how they were
// started: Hostprep and the Messenger client at Start, the updater at creation.
// Hostprep also records the block as it found it, which shows the order of a
// Start: the mark first, the languages and options after the companions.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "tandemix/trans_control_block.h"
#include "tests/fixtures/plugin_contract.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/recorded_calls.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

const wchar_t kApplicationTitle[] = L"Tandemix\u7FFB\u8BD1\u52A9\u624B";  // Tandemix翻译助手

// Where a program folder with a blank lies, and what an unquoted
// "C:\Tandemix-blank test\..." or "C:\Program Files (x86)\..." would run
// first. Wine looks no further when the text before the blank names a folder,
// so none may be there.
const fs::path kBlankProgramFolder = L"C:\\Tandemix-blank test";
const fs::path kProgramDecoy = L"C:\\Tandemix-blank.exe";
const fs::path kClientDecoy = L"C:\\Program.exe";
const fs::path kHidingFolders[] = {L"C:\\Tandemix-blank", L"C:\\Program"};

fs::path LogOf(const fs::path& standIn) { return fs::path(standIn) += L".log"; }

HWND MessengerWindow() { return FindWindowW(L"YahooBuddyMain", L"Yahoo! Messenger"); }

// Case and a trailing backslash aside, the same folder.
bool SameFolder(std::string a, std::string b) {
  for (std::string* s : {&a, &b}) {
    if (!s->empty() && s->back() == '\\') s->pop_back();
  }
  return _stricmp(a.c_str(), b.c_str()) == 0;
}

std::string Quoted(const std::string& path, bool quote) {
  return quote ? "\"" + path + "\"" : path;
}

// The blocks Hostprep found, one a start.
std::vector<TransControlBlock> BlocksFoundByHostprep(const fs::path& hostprep) {
  std::vector<TransControlBlock> blocks;
  for (const std::string& hex : ReadLogLines(fs::path(hostprep) += L".block.log")) {
    TransControlBlock block{};
    if (hex.size() != 2 * sizeof block) {
      ADD_FAILURE() << "Hostprep found no block: " << hex;
      continue;
    }
    auto* bytes = reinterpret_cast<unsigned char*>(&block);
    for (size_t i = 0; i < sizeof block; ++i) {
      bytes[i] = static_cast<unsigned char>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
    }
    blocks.push_back(block);
  }
  return blocks;
}

// Removes, when dropped, what the test put where nothing was.
class CreatedPaths {
 public:
  ~CreatedPaths() {
    std::error_code ignored;
    for (const fs::path& path : paths_) fs::remove_all(path, ignored);
  }
  void Add(const fs::path& path) { paths_.push_back(path); }

 private:
  std::vector<fs::path> paths_;
};

class CompanionLaunchTest : public ::testing::TestWithParam<bool> {
 protected:
  bool Blanks() const { return GetParam(); }

  void SetUp() override {
    ASSERT_EQ(ClearMessengerInstall(), "") << "the prefix already holds a Messenger client";
    ASSERT_EQ(MessengerWindow(), nullptr) << "a Messenger window is already open";
    if (Blanks()) {
      // The client in the second candidate folder, the program in a folder
      // with a blank, and stand-ins that log their starts where an unquoted
      // path would lead. Wine quotes a path it had to search for, so only
      // these tell the two apart.
      for (const fs::path& path : {kBlankProgramFolder, kProgramDecoy, LogOf(kProgramDecoy),
                                   kClientDecoy, LogOf(kClientDecoy)}) {
        // Never touch what the test did not make.
        ASSERT_FALSE(fs::exists(path)) << path.string() << " exists already";
        created_.Add(path);
      }
      for (const fs::path& path : kHidingFolders) {
        ASSERT_FALSE(fs::exists(path)) << path.string() << " would hide the decoy";
      }
      candidate_.emplace();
      clientFolder_ = candidate_->path();
      programFolder_ = kBlankProgramFolder;
      fs::copy_file(Fixture("Hostprep.exe"), kProgramDecoy);
      fs::copy_file(Fixture("Hostprep.exe"), kClientDecoy);
    } else {
      // The client's folder through the uninstall entry, paths without blanks.
      clientFolder_ = client_.path();
      entry_.emplace(Ansi(clientFolder_.wstring()) + "\\uninstall.exe /U");
      programFolder_ = program_.path();
    }
    fs::copy_file(Fixture("YahooMessenger.exe"), clientFolder_ / L"YahooMessenger.exe");
    exe_ = LayOutProgramFolder(programFolder_, Edition::Pro,
                               {"Hostprep.exe", "Updater.exe", "Glossator.dll"});
    ASSERT_EQ(Ansi(programFolder_.wstring()).find(' ') != std::string::npos, Blanks());
  }
  void TearDown() override {
    if (HWND window = MessengerWindow()) PostMessageW(window, WM_CLOSE, 0, 0);
    WaitUntil([] { return MessengerWindow() == nullptr; });
    entry_.reset();
    candidate_.reset();
    ClearMessengerInstall();
  }

  std::string ProgramFolderAnsi() const { return Ansi(programFolder_.wstring()) + "\\"; }

  CreatedPaths created_;
  TempDir program_;
  TempDir client_;
  std::optional<ScopedUninstallEntry> entry_;
  std::optional<ScopedCandidateFolder> candidate_;
  fs::path programFolder_;
  fs::path clientFolder_;
  fs::path exe_;
};

// The kinds of the calls the program made, in their order ("font", "tray", "shellA", ...).
std::vector<std::string> CallKinds(const fs::path& programFolder) {
  std::vector<std::string> kinds;
  for (const std::string& line : ReadLogLines(programFolder / L"Glossator.dll.calls.log")) {
    kinds.push_back(line.substr(0, line.find('\t')));
  }
  return kinds;
}

TEST_P(CompanionLaunchTest, UpdaterStartedLastInTheWindowsCreationToldPidAndEnglish) {
  Program program(exe_);
  const fs::path updaterExe = programFolder_ / L"Updater.exe";
  ASSERT_TRUE(WaitUntil([&] { return !ReadStartLog(updaterExe).empty(); }));
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  const StartRecord updater = ReadStartLog(updaterExe)[0];
  const std::string parameters = " -pid " + std::to_string(program.id()) + " -language English";
  ASSERT_GE(updater.commandLine.size(), parameters.size());
  EXPECT_EQ(updater.commandLine.substr(updater.commandLine.size() - parameters.size()), parameters)
      << updater.commandLine;
  EXPECT_NE(updater.commandLine.find(ProgramFolderAnsi() + "Updater.exe"), std::string::npos);
  EXPECT_TRUE(SameFolder(updater.workingFolder, ProgramFolderAnsi())) << updater.workingFolder;
  EXPECT_EQ(updater.showState, "1");

  // Recorded inside the program as it asks the shell: once it has ended, every
  // start it made is there.
  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  const std::vector<OpenCall> starts = ReadAnsiOpenCalls(programFolder_);
  ASSERT_EQ(starts.size(), 1u) << "the updater is started once a run";
  EXPECT_EQ(Ansi(starts[0].file), ProgramFolderAnsi() + "Updater.exe");
  EXPECT_FALSE(starts[0].windowShown) << "the updater was started after the window showed";
  // The tray icon and the controls' fonts are made before it, as the window is built.
  const std::vector<std::string> kinds = CallKinds(programFolder_);
  const auto updaterStart = std::find(kinds.begin(), kinds.end(), "shellA");
  ASSERT_NE(updaterStart, kinds.end());
  EXPECT_NE(std::find(kinds.begin(), updaterStart, "tray"), updaterStart)
      << "the tray icon was added after the updater's start";
  EXPECT_NE(std::find(kinds.begin(), updaterStart, "font"), updaterStart);
  EXPECT_EQ(std::find(updaterStart, kinds.end(), "font"), kinds.end())
      << "fonts were given after the updater's start";
}

TEST_P(CompanionLaunchTest, StartRunsHostprepHiddenAfterTheMarkAndTheClientOnlyWhenAbsent) {
  Program program(exe_);
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  program.Click("btnStart");
  const fs::path hostprepExe = programFolder_ / L"Hostprep.exe";
  ASSERT_EQ(ReadStartLog(hostprepExe).size(), 1u)
      << "no Hostprep start; " << ReadStartLog(kProgramDecoy).size() << " of the decoy";
  const StartRecord hostprep = ReadStartLog(hostprepExe)[0];
  EXPECT_EQ(hostprep.commandLine,
            Quoted(ProgramFolderAnsi() + "Hostprep.exe", Blanks()) + " " + Ansi(kApplicationTitle));
  EXPECT_EQ(hostprep.showState, std::to_string(SW_HIDE));

  // Hostprep runs between the mark and the options: it finds the mark on
  // and, in a new block, no languages or options yet.
  const std::vector<TransControlBlock> found = BlocksFoundByHostprep(hostprepExe);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].TransState, fixture::kTransOnMark);
  EXPECT_STREQ(found[0].SendLang, "");
  EXPECT_STREQ(found[0].RecvLang, "");
  EXPECT_EQ(found[0].TransTimeOut, 0);
  EXPECT_EQ(found[0].SaveHistory, 0);

  const fs::path clientExe = clientFolder_ / L"YahooMessenger.exe";
  ASSERT_EQ(ReadStartLog(clientExe).size(), 1u)
      << "no client start; " << ReadStartLog(kClientDecoy).size() << " of the decoy";
  const StartRecord client = ReadStartLog(clientExe)[0];
  EXPECT_EQ(client.commandLine, Quoted(Ansi(clientExe.wstring()), Blanks()));
  EXPECT_EQ(client.showState, std::to_string(SW_SHOWNORMAL));
  ASSERT_TRUE(WaitUntil([] { return MessengerWindow() != nullptr; }));

  // Stop, and Start again while the client's window is there. Each click
  // returns once handled; a start of the client logs before the program
  // goes on, so a second one would show by then.
  ClickTrayIcon(programFolder_, TrayButton::Left);
  program.Click("btnStop");
  program.Click("btnStart");
  EXPECT_EQ(ReadStartLog(hostprepExe).size(), 2u);
  EXPECT_EQ(ReadStartLog(clientExe).size(), 1u) << "the client started twice";

  EXPECT_FALSE(fs::exists(LogOf(kProgramDecoy))) << "C:\\Tandemix-blank.exe ran";
  EXPECT_FALSE(fs::exists(LogOf(kClientDecoy))) << "C:\\Program.exe ran";
}

INSTANTIATE_TEST_SUITE_P(PlainAndBlankPaths, CompanionLaunchTest, ::testing::Bool(),
                         [](const auto& info) {
                           return std::string(info.param ? "PathsWithBlanks" : "PlainPaths");
                         });

}  // namespace
}  // namespace tandemix::test
