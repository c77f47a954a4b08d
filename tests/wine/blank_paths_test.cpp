// Programs Start runs from folders whose paths hold a blank: the path is
// quoted, so the system never runs a program named by the text before the blank.

#include <gtest/gtest.h>

#include <optional>

#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

const wchar_t kApplicationTitle[] = L"Tandemix\u7FFB\u8BD1\u52A9\u624B";  // Tandemix翻译助手

// What an unquoted "C:\Tandemix-blank test\..." or "C:\Program Files (x86)\..."
// would run first. Wine looks no further when the text before the blank names
// a folder, so none may be there.
const fs::path kProgramFolder = L"C:\\Tandemix-blank test";
const fs::path kProgramDecoy = L"C:\\Tandemix-blank.exe";
const fs::path kClientDecoy = L"C:\\Program.exe";
const fs::path kHidingFolders[] = {L"C:\\Tandemix-blank", L"C:\\Program"};

fs::path LogOf(const fs::path& standIn) { return fs::path(standIn) += L".log"; }

HWND MessengerWindow() { return FindWindowW(L"YahooBuddyMain", L"Yahoo! Messenger"); }

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

class BlankPathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ClearMessengerInstall(), "") << "the prefix already holds a Messenger client";
    ASSERT_EQ(MessengerWindow(), nullptr) << "a Messenger window is already open";
    for (const fs::path& path :
         {kProgramFolder, kProgramDecoy, LogOf(kProgramDecoy), kClientDecoy, LogOf(kClientDecoy)}) {
      // Never touch what the test did not make.
      ASSERT_FALSE(fs::exists(path)) << path.string() << " exists already";
      created_.Add(path);
    }
    for (const fs::path& path : kHidingFolders) {
      ASSERT_FALSE(fs::exists(path)) << path.string() << " would hide the decoy";
    }
    messenger_.emplace();
  }
  void TearDown() override {
    if (HWND window = MessengerWindow()) PostMessageW(window, WM_CLOSE, 0, 0);
    WaitUntil([] { return MessengerWindow() == nullptr; });
    messenger_.reset();
    ClearMessengerInstall();
  }

  CreatedPaths created_;
  std::optional<ScopedCandidateFolder> messenger_;
};

TEST_F(BlankPathsTest, StartQuotesHostprepAndClientPaths) {
  const fs::path exe =
      LayOutProgramFolder(kProgramFolder, Edition::Pro, {"Hostprep.exe", "Updater.exe"});
  fs::copy_file(Fixture("YahooMessenger.exe"), messenger_->path() / L"YahooMessenger.exe");
  // Stand-ins that log their starts, where an unquoted path would lead. Wine
  // quotes a path it had to search for, so only these tell the two apart.
  fs::copy_file(Fixture("Hostprep.exe"), kProgramDecoy);
  fs::copy_file(Fixture("Hostprep.exe"), kClientDecoy);

  Program program(exe);
  ASSERT_NE(program.WaitForControlWindow(), nullptr);
  program.Click("btnStart");

  const fs::path hostprep = kProgramFolder / L"Hostprep.exe";
  const fs::path client = messenger_->path() / L"YahooMessenger.exe";
  ASSERT_TRUE(WaitUntil([&] { return ReadStartLog(hostprep).size() == 1; }))
      << "no Hostprep start; " << ReadStartLog(kProgramDecoy).size() << " of the decoy";
  EXPECT_EQ(ReadStartLog(hostprep)[0].commandLine,
            "\"C:\\Tandemix-blank test\\Hostprep.exe\" " + Ansi(kApplicationTitle));
  ASSERT_TRUE(WaitUntil([&] { return ReadStartLog(client).size() == 1; }))
      << "no client start; " << ReadStartLog(kClientDecoy).size() << " of the decoy";
  EXPECT_EQ(ReadStartLog(client)[0].commandLine,
            "\"C:\\Program Files (x86)\\Yahoo!\\Messenger\\YahooMessenger.exe\"");

  EXPECT_FALSE(fs::exists(LogOf(kProgramDecoy))) << "C:\\Tandemix-blank.exe ran";
  EXPECT_FALSE(fs::exists(LogOf(kClientDecoy))) << "C:\\Program.exe ran";
}

}  // namespace
}  // namespace tandemix::test
