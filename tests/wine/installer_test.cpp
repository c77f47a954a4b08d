// The installers as a user meets them: silent install, the Start menu, the
// uninstall entry, the installed program, silent uninstall; an update over the
// installed and over the running program; one edition over the other.

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <optional>

#include "tests/wine/messenger_install.h"
#include "platform/owned_handles_win.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/window_test.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

struct EditionPackage {
  Edition edition;
  const wchar_t* installer;    // file name in the build's installers folder
  const wchar_t* displayName;  // folder, shortcut and uninstall entry
  const char* manifestSource;  // the edition's plug-in manifest in the plug-in folder
};

const EditionPackage kPro{Edition::Pro, TANDEMIX_PRO_INSTALLER, L"Tandemix Pro",
                          "MANIFEST/plugin_ENU_Pro.properties"};
const EditionPackage kStandard{Edition::Standard, TANDEMIX_STANDARD_INSTALLER, L"Tandemix",
                               "MANIFEST/plugin_ENU.properties"};

// What each installer puts into its folder, besides Uninstall.exe.
const wchar_t* const kInstalledFiles[] = {L"Tandemix.exe",
                                          L"CHS.ini",
                                          L"CHS.txt",
                                          L"ENU.ini",
                                          L"ENU.txt",
                                          L"LangsCN.ini",
                                          L"LangsEn.ini",
                                          L"LOGO_ENU.jpg",
                                          L"LOGO_ENU_PRO.jpg",
                                          L"Sidecard.html",
                                          L"Sidecard.ocx",
                                          L"Control.js",
                                          L"MANIFEST\\plugin_ENU.properties",
                                          L"MANIFEST\\plugin_ENU_Pro.properties",
                                          L"Hostprep.exe",
                                          L"Updater.exe",
                                          L"Glossator.dll"};

fs::path KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  SHGetKnownFolderPath(id, 0, nullptr, &path);
  fs::path result(path ? path : L"");
  CoTaskMemFree(path);
  return result;
}

fs::path InstallFolder(const EditionPackage& p) {
  return KnownFolder(FOLDERID_LocalAppData) / L"Programs" / p.displayName;
}
fs::path Shortcut(const EditionPackage& p) {
  return KnownFolder(FOLDERID_Programs) / (std::wstring(p.displayName) + L".lnk");
}
std::wstring UninstallKey(const EditionPackage& p) {
  return std::wstring(L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + p.displayName;
}

// Where a shortcut points, as the shell reads it; empty when it cannot be read.
fs::path ShortcutTarget(const fs::path& link) {
  CoInitialize(nullptr);
  fs::path target;
  IShellLinkW* shellLink = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&shellLink)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t path[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
          SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
        target = path;
      file->Release();
    }
    shellLink->Release();
  }
  CoUninitialize();
  return target;
}

// A value of the edition's uninstall entry; nullopt when it is not there.
std::optional<std::wstring> EntryText(const EditionPackage& p, const wchar_t* name) {
  wchar_t value[1024];
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, UninstallKey(p).c_str(), name, RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(value);
}
bool EntryExists(const EditionPackage& p) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, UninstallKey(p).c_str(), 0, KEY_READ, &key) != 0)
    return false;
  RegCloseKey(key);
  return true;
}

// "a.b.c.d" from the file's version resource, as Explorer shows it.
std::wstring FileVersion(const fs::path& file) {
  DWORD ignored = 0;
  std::string data(GetFileVersionInfoSizeW(file.c_str(), &ignored), '\0');
  if (data.empty() || !GetFileVersionInfoW(file.c_str(), 0, DWORD(data.size()), data.data()))
    return L"<none>";
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length);
  return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." +
         std::to_wstring(LOWORD(info->dwFileVersionMS)) + L"." +
         std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." +
         std::to_wstring(LOWORD(info->dwFileVersionLS));
}

void Install(const EditionPackage& p) {
  const fs::path installer = BuildDir() / L"installers" / p.installer;
  const ProcessResult result = RunProcess(L"\"" + installer.wstring() + L"\" /S");
  ASSERT_TRUE(result.finished);
  ASSERT_EQ(result.exitCode, 0u);
}

// The uninstaller hands over to a copy of itself and returns at once; the
// copy's work is done when the entry is gone.
void Uninstall(const EditionPackage& p) {
  const std::optional<std::wstring> quiet = EntryText(p, L"QuietUninstallString");
  ASSERT_TRUE(quiet);
  ASSERT_TRUE(RunProcess(*quiet).finished);
  ASSERT_TRUE(WaitUntil([&] { return !EntryExists(p); }));
}

// What the stand-in companions log beside themselves is the tests' own.
std::vector<fs::path> LeftInFolder(const EditionPackage& p) {
  std::vector<fs::path> left;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(InstallFolder(p), error))
    if (entry.path().extension() != L".log") left.push_back(entry.path());
  return left;
}

void ExpectUninstalled(const EditionPackage& p) {
  EXPECT_FALSE(EntryExists(p));
  EXPECT_FALSE(fs::exists(Shortcut(p)));
  EXPECT_EQ(LeftInFolder(p), std::vector<fs::path>{});
}

// The live processes whose image is that file, as the system names them: a
// Tandemix the installer started is one the test holds no handle of.
std::vector<DWORD> ProcessesOf(const fs::path& exe) {
  std::vector<DWORD> ids;
  for (const ListedProcess& listed : ListProcesses()) {
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, listed.id));
    DWORD exitCode = 0;
    if (process && lstrcmpiW(ImageOf(process.get()).c_str(), exe.c_str()) == 0 &&
        GetExitCodeProcess(process.get(), &exitCode) && exitCode == STILL_ACTIVE)
      ids.push_back(listed.id);
  }
  return ids;
}

// Ends a Tandemix the test did not start by its Exit button, as the user would.
void ExitByItsButton(DWORD id, HWND window) {
  const KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
  ASSERT_TRUE(process);
  SendMessageW(FindControl(window, ControlId("btnExit")), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }));
}

// Whatever a killed run left: a program still running from the folder, the
// folder, the shortcut, the entry.
void Remove(const EditionPackage& p) {
  for (DWORD id : ProcessesOf(InstallFolder(p) / L"Tandemix.exe")) {
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (process && TerminateProcess(process.get(), 1))
      WaitUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; });
  }
  std::error_code ignored;
  fs::remove_all(InstallFolder(p), ignored);
  fs::remove(Shortcut(p), ignored);
  RegDeleteTreeW(HKEY_CURRENT_USER, UninstallKey(p).c_str());
}

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Remove(kPro);
    Remove(kStandard);
    ClearMessengerInstall();
    messenger_.emplace();  // found at start-up, so no prompt
  }
  void TearDown() override {
    Remove(kPro);
    Remove(kStandard);
  }
  std::optional<ScopedCandidateFolder> messenger_;
};

TEST_F(InstallerTest, SilentInstallPutsFilesShortcutAndEntryAndUninstallTakesThemAway) {
  for (const EditionPackage* p : {&kPro, &kStandard}) {
    SCOPED_TRACE(p->displayName);
    Install(*p);
    const fs::path folder = InstallFolder(*p);
    for (const wchar_t* file : kInstalledFiles) EXPECT_TRUE(fs::exists(folder / file)) << file;
    EXPECT_EQ(ShortcutTarget(Shortcut(*p)), folder / L"Tandemix.exe");
    EXPECT_EQ(EntryText(*p, L"DisplayName"), p->displayName);
    EXPECT_EQ(EntryText(*p, L"DisplayVersion"), FileVersion(folder / L"Tandemix.exe"));
    EXPECT_EQ(EntryText(*p, L"Publisher"), L"Tandemix Software");
    EXPECT_EQ(EntryText(*p, L"DisplayIcon"), (folder / L"Tandemix.exe").wstring() + L",0");
    EXPECT_EQ(EntryText(*p, L"UninstallString"),
              L"\"" + (folder / L"Uninstall.exe").wstring() + L"\"");

    Uninstall(*p);
    ExpectUninstalled(*p);
    EXPECT_FALSE(fs::exists(folder)) << "nothing ran there, so nothing is left";
  }
}

TEST_F(InstallerTest, InstalledProgramShowsItsWindowAndUninstallEndsItAsTheSessionEndWould) {
  for (const EditionPackage* p : {&kPro, &kStandard}) {
    SCOPED_TRACE(p->displayName);
    Install(*p);
    Program program(InstallFolder(*p) / L"Tandemix.exe");
    HWND window = program.WaitForControlWindow();
    HWND dialog = program.Dialog();
    ASSERT_NE(window, nullptr) << "running: " << program.Running()
                               << ", dialog: " << (dialog ? Ansi(DialogMessage(dialog)) : "none");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));

    Uninstall(*p);
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u);
    ExpectUninstalled(*p);
  }
}

// An update over the running program ends it as the end of the session would
// (it saves what the user chose), and starts it again: translation goes on.
TEST_F(InstallerTest, InstallOverTheRunningProgramEndsItFirstAndStartsItAgain) {
  Install(kPro);
  const fs::path exe = InstallFolder(kPro) / L"Tandemix.exe";
  Program before(exe);
  ASSERT_NE(before.WaitForShownControlWindow(), nullptr);
  before.SelectItem("cbbSendLang", 6);
  Install(kPro);
  EXPECT_TRUE(before.WaitForExit());
  EXPECT_EQ(before.ExitCode(), 0u);
  EXPECT_EQ(IniValue(InstallFolder(kPro) / L"ConfigEN.ini", L"SendIndex"), "6")
      << "it saved its settings as it ended";

  const std::vector<DWORD> again = ProcessesOf(exe);
  ASSERT_EQ(again.size(), 1u) << "the installer starts it again";
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (window = FindShownWindow(again[0], kControlWindowClass)) != nullptr; }));
  EXPECT_EQ(SendMessageW(FindControl(window, ControlId("cbbSendLang")), CB_GETCURSEL, 0, 0), 6);
  ExitByItsButton(again[0], window);
}

// An update over an installed copy the user has set up in the window: the
// settings file is left byte for byte, the program starts on it, and, not
// running before, it is not started by the update.
TEST_F(InstallerTest, UpdateKeepsTheSettingsChosenInTheWindow) {
  Install(kPro);
  const fs::path exe = InstallFolder(kPro) / L"Tandemix.exe";
  const fs::path config = InstallFolder(kPro) / L"ConfigEN.ini";
  {
    Program program(exe);
    ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
    program.SelectItem("cbbSendLang", 6);
    program.SelectItem("cbbRecvLang", 5);
    program.Exit();
    ASSERT_TRUE(program.WaitForExit());
  }
  const std::string saved = ReadFileBytes(config);
  ASSERT_EQ(IniValue(config, L"SendIndex"), "6");
  ASSERT_EQ(IniValue(config, L"RecvIndex"), "5");

  Install(kPro);
  EXPECT_EQ(ProcessesOf(exe), std::vector<DWORD>{}) << "it was not running, so it is not started";
  EXPECT_EQ(ReadFileBytes(config), saved);

  Program after(exe);
  ASSERT_NE(after.WaitForShownControlWindow(), nullptr);
  EXPECT_EQ(SendMessageW(after.Control("cbbSendLang"), CB_GETCURSEL, 0, 0), 6);
  EXPECT_EQ(SendMessageW(after.Control("cbbRecvLang"), CB_GETCURSEL, 0, 0), 5);
}

// The editions install side by side; at run time they exclude each other and
// the last one started deploys its own plug-in manifest.
TEST_F(InstallerTest, OneEditionOverTheOther) {
  Install(kPro);
  Install(kStandard);
  EXPECT_TRUE(EntryExists(kPro));
  EXPECT_TRUE(EntryExists(kStandard));
  EXPECT_EQ(FileVersion(InstallFolder(kPro) / L"Tandemix.exe"),
            *EntryText(kPro, L"DisplayVersion"));
  EXPECT_EQ(FileVersion(InstallFolder(kStandard) / L"Tandemix.exe"),
            *EntryText(kStandard, L"DisplayVersion"));
  EXPECT_NE(*EntryText(kPro, L"DisplayVersion"), *EntryText(kStandard, L"DisplayVersion"));

  Program pro(InstallFolder(kPro) / L"Tandemix.exe");
  ASSERT_NE(pro.WaitForControlWindow(), nullptr);
  Program standard(InstallFolder(kStandard) / L"Tandemix.exe");
  EXPECT_TRUE(standard.EndsWithoutWindow());
  EXPECT_EQ(standard.ExitCode(), 0u);
  EXPECT_TRUE(pro.Running());
  const fs::path deployed =
      messenger_->path() / L"Plugin\\Test\\SidePanel\\test.yplugin\\MANIFEST\\plugin.properties";
  const fs::path pluginSource = fs::path("Z:" + std::string(TANDEMIX_PLUGIN_DIR)).make_preferred();
  EXPECT_EQ(ReadFileBytes(deployed), ReadFileBytes(pluginSource / kStandard.manifestSource))
      << "the second start deployed its manifest before it gave way";

  Uninstall(kStandard);
  ExpectUninstalled(kStandard);
  EXPECT_TRUE(pro.Running()) << "only the Tandemix of the edition's own folder is asked to end";
  EXPECT_TRUE(fs::exists(InstallFolder(kPro) / L"Tandemix.exe"));

  Uninstall(kPro);
  EXPECT_TRUE(pro.WaitForExit());
  ExpectUninstalled(kPro);
}

}  // namespace
}  // namespace tandemix::test
