// Where the plug-in cannot simply be copied into the Messenger folder: a file
// that cannot be copied fails quietly, the others are still replaced, and
// start-up goes on; a client on a network share gets its plug-in there.

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
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

enum class Fault { LockedDestination, FolderInPlace, MissingSource };

struct FaultCase {
  const char* name;
  Fault fault;
  const wchar_t* destination;  // the one file left as it was
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) { return out << c.name; }

std::string OldContent(const wchar_t* destination) {
  return "old " + fs::path(destination).string() + "\n";
}

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
    const KernelHandle out(CreateFileW((plugin / file.destination).c_str(), GENERIC_WRITE, 0,
                                       nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(out);
    const std::string old = OldContent(file.destination);
    DWORD written = 0;
    WriteFile(out.get(), old.data(), static_cast<DWORD>(old.size()), &written, nullptr);
  }

  // Holds a destination while the program runs; closed before the folder goes.
  KernelHandle lock;
  const fs::path faulted = plugin / c.destination;
  switch (c.fault) {
    case Fault::LockedDestination: {
      lock.reset(CreateFileW(faulted.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
      ASSERT_TRUE(lock);
      break;
    }
    case Fault::FolderInPlace:
      // What a read-only file would do, had root under Wine not ignored it: a
      // destination the copy cannot replace.
      ASSERT_TRUE(fs::remove(faulted));
      ASSERT_TRUE(fs::create_directory(faulted));
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

  lock.reset();
  for (const Deployed& file : kDeployed) {
    SCOPED_TRACE(fs::path(file.destination).string());
    const std::string now = ReadFileBytes(plugin / file.destination);
    if (std::wstring_view(file.destination) == c.destination) {
      if (c.fault == Fault::FolderInPlace)
        EXPECT_TRUE(fs::is_directory(plugin / file.destination));
      else
        EXPECT_EQ(now, OldContent(file.destination));
    } else {
      EXPECT_EQ(now, ReadFileBytes(program_.path() / file.source));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DeploymentFaultTest,
    ::testing::Values(FaultCase{"LockedDestination", Fault::LockedDestination, L"Sidecard.ocx"},
                      FaultCase{"FolderInPlace", Fault::FolderInPlace, L"Control.js"},
                      FaultCase{"MissingSource", Fault::MissingSource,
                                L"MANIFEST\\plugin.properties"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// Wine shows \\server\share as the prefix's dosdevices\unc\server\share
// folder: a network share the test makes, on the prefix's own disk.
class ScopedShare {
 public:
  ScopedShare() {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    // Through void(*)(): GetProcAddress's type says nothing of the export's.
    const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixFileName) throw std::runtime_error("not running under Wine");
    // "<prefix>/dosdevices/c:/"
    char* drive = unixFileName(L"C:\\");
    const std::string driveC = drive ? drive : "";
    HeapFree(GetProcessHeap(), 0, drive);
    const size_t at = driveC.find("/dosdevices/");
    if (at == std::string::npos) throw std::runtime_error("no dosdevices in " + driveC);
    // A server of this process's own: tests run side by side.
    const std::wstring name = L"tandemix-" + std::to_wstring(GetCurrentProcessId());
    server_ = fs::path("Z:" + driveC.substr(0, at) + "/dosdevices/unc").make_preferred() / name;
    fs::create_directories(server_ / L"share");
    path_ = L"\\\\" + name + L"\\share";
  }
  ~ScopedShare() {
    std::error_code ignored;
    fs::remove_all(server_, ignored);
  }
  ScopedShare(const ScopedShare&) = delete;
  ScopedShare& operator=(const ScopedShare&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path server_;
  fs::path path_;
};

class NetworkMessengerFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(ClearMessengerInstall(), ""); }
  void TearDown() override { ClearMessengerInstall(); }
};

// A client installed on a share: the folders are made from the share down and
// the four files copied there. (Under Wine the server itself also shows as a
// folder, so where creation starts is held by the native table.)
TEST_F(NetworkMessengerFolderTest, PluginDeployedBelowTheShare) {
  ScopedShare share;
  ASSERT_TRUE(fs::is_directory(share.path())) << "Wine does not show the share";
  const fs::path messenger = share.path() / L"Messenger";
  TempDir program;
  const fs::path exe = LayOutProgramFolder(program.path(), Edition::Pro, {"Updater.exe"});
  ScopedUninstallEntry entry(Ansi(messenger.wstring()) + "\\uninstall.exe /U");
  Program run(exe);
  ASSERT_NE(run.WaitForShownControlWindow(), nullptr);
  for (const Deployed& file : kDeployed) {
    SCOPED_TRACE(fs::path(file.destination).string());
    EXPECT_EQ(ReadFileBytes(messenger / kPluginFolder / file.destination),
              ReadFileBytes(program.path() / file.source));
  }
  run.Exit();
  ASSERT_TRUE(run.WaitForExit());
}

}  // namespace
}  // namespace tandemix::test
