// A plug-in file that cannot be copied into the Messenger folder: that copy
// fails quietly, the others are still replaced, and start-up goes on.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

const fs::path kPluginFolder = L"Plugin\\Test\\SidePanel\\test.yplugin";

// Each deployed file, beside the program-folder file it comes from (Pro edition).
struct Deployed {
  const wchar_t* destination;
  const wchar_t* source;
};
constexpr Deployed kDeployed[] = {
    {L"Sidecard.html", L"Sidecard.html"},
    {L"Sidecard.ocx", L"Sidecard.ocx"},
    {L"Control.js", L"Control.js"},
    {L"MANIFEST\\plugin.properties", L"MANIFEST\\plugin_ENU_Pro.properties"},
};

enum class Fault { LockedDestination, FolderAtDestination, MissingSource };

struct FaultCase {
  const char* name;
  Fault fault;
  const wchar_t* destination;  // the one file left as it was
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) { return out << c.name; }

// Closes the handle that holds a destination open, so the folder can be removed.
class FaultRelease {
 public:
  ~FaultRelease() { Release(); }
  void Lock(HANDLE file) { lock_ = file; }
  void Release() {
    if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);
    lock_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE lock_ = INVALID_HANDLE_VALUE;
};

std::string OldContent(const wchar_t* destination) {
  return "old " + fs::path(destination).string() + "\n";
}

bool WriteBytes(const fs::path& file, const std::string& bytes) {
  HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(out);
  return ok && written == bytes.size();
}

// A folder takes a destination's place; its file is what must stay.
const fs::path kInsideFolder = L"inside";

class DeploymentFaultTest : public ::testing::TestWithParam<FaultCase> {
 protected:
  void SetUp() override {
    ASSERT_EQ(ClearMessengerInstall(), "") << "the prefix already holds a Messenger client";
    messenger_.emplace();
  }
  void TearDown() override {
    messenger_.reset();
    ClearMessengerInstall();
  }

  std::optional<ScopedCandidateFolder> messenger_;
  TempDir program_;
};

TEST_P(DeploymentFaultTest, OtherFilesReplacedAndStartGoesOn) {
  const FaultCase& c = GetParam();
  const fs::path exe = LayOutProgramFolder(program_.path(), Edition::Pro, {"Updater.exe"});
  const fs::path plugin = messenger_->path() / kPluginFolder;
  // An earlier deployment, with contents unlike the shipped ones.
  for (const Deployed& file : kDeployed) {
    fs::create_directories((plugin / file.destination).parent_path());
    ASSERT_TRUE(WriteBytes(plugin / file.destination, OldContent(file.destination)));
  }

  FaultRelease release;
  const fs::path faulted = plugin / c.destination;
  switch (c.fault) {
    case Fault::LockedDestination: {
      HANDLE file = CreateFileW(faulted.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(file, INVALID_HANDLE_VALUE);
      release.Lock(file);
      break;
    }
    case Fault::FolderAtDestination:
      // A file that cannot be written over, even by root under Wine (which
      // ignores a read-only attribute).
      ASSERT_TRUE(fs::remove(faulted));
      ASSERT_TRUE(fs::create_directory(faulted));
      ASSERT_TRUE(WriteBytes(faulted / kInsideFolder, OldContent(c.destination)));
      break;
    case Fault::MissingSource:
      ASSERT_TRUE(fs::remove(program_.path() / L"MANIFEST" / L"plugin_ENU_Pro.properties"));
      break;
  }

  Program program(exe);
  const HWND control = program.WaitForControlWindow();
  ASSERT_NE(control, nullptr) << "start-up stopped; a message: "
                              << Ansi(program.Dialog() ? DialogMessage(program.Dialog()) : L"none");
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(control) != FALSE; }));
  EXPECT_EQ(program.Dialog(), nullptr) << Ansi(DialogMessage(program.Dialog()));
  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);

  release.Release();
  for (const Deployed& file : kDeployed) {
    SCOPED_TRACE(fs::path(file.destination).string());
    const fs::path destination = plugin / file.destination;
    if (std::wstring_view(file.destination) != c.destination) {
      EXPECT_EQ(ReadFileBytes(destination), ReadFileBytes(program_.path() / file.source));
    } else if (c.fault == Fault::FolderAtDestination) {
      EXPECT_EQ(ReadFileBytes(destination / kInsideFolder), OldContent(file.destination));
    } else {
      EXPECT_EQ(ReadFileBytes(destination), OldContent(file.destination));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DeploymentFaultTest,
    ::testing::Values(FaultCase{"LockedDestination", Fault::LockedDestination, L"Sidecard.ocx"},
                      FaultCase{"FolderAtDestination", Fault::FolderAtDestination, L"Control.js"},
                      FaultCase{"MissingSource", Fault::MissingSource,
                                L"MANIFEST\\plugin.properties"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tandemix::test
