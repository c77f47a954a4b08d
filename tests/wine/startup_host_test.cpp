// Start-up against the real Tandemix.exe: where it finds the Messenger client,
// the plug-in it copies there, the folder prompt, the second instance and the
// engine library.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

const fs::path kPluginFolder = L"Plugin\\Test\\SidePanel\\test.yplugin";

class StartupHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string leftovers = ClearMessengerInstall();
    ASSERT_EQ(leftovers, "") << "the prefix already holds a Messenger client";
  }
  void TearDown() override { ClearMessengerInstall(); }

  // A program folder of the edition with the updater the standard edition needs.
  fs::path LayOut(const fs::path& folder, Edition edition, std::vector<std::string> extra = {}) {
    extra.push_back("Updater.exe");
    return LayOutProgramFolder(folder, edition, extra);
  }

  // Runs the program until its control window shows, then ends it by Exit.
  void RunOnce(const fs::path& exe) {
    Program program(exe);
    ASSERT_NE(program.WaitForShownControlWindow(), nullptr) << "no control window";
    program.Exit();
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0u);
  }

  // What the deployment left in a Messenger folder, beside what was shipped.
  void ExpectDeployed(const fs::path& messengerDir, const std::string& manifest) {
    const fs::path plugin = messengerDir / kPluginFolder;
    const fs::path shipped = program_.path();
    for (const wchar_t* file : {L"Sidecard.html", L"Sidecard.ocx", L"Control.js"}) {
      ASSERT_TRUE(fs::exists(plugin / file)) << fs::path(file).string();
      EXPECT_EQ(ReadFileBytes(plugin / file), ReadFileBytes(shipped / file));
    }
    EXPECT_EQ(ReadFileBytes(plugin / L"MANIFEST" / L"plugin.properties"), manifest);
  }

  TempDir program_;
};

TEST_F(StartupHostTest, EachEditionDeploysItsManifestIntoTheCandidateFolder) {
  ScopedCandidateFolder messenger;
  TempDir other;
  const fs::path pro = LayOut(program_.path(), Edition::Pro);
  const fs::path standard = LayOut(other.path(), Edition::Standard);

  RunOnce(pro);
  ExpectDeployed(messenger.path(), "edition=pro\n");
  RunOnce(standard);
  ExpectDeployed(messenger.path(), "edition=standard\n");
  RunOnce(pro);
  ExpectDeployed(messenger.path(), "edition=pro\n");
}

TEST_F(StartupHostTest, UninstallEntryLeadsToTheClientFolder) {
  TempDir client;
  ScopedUninstallEntry entry(Ansi(client.path().wstring()) + "\\uninstall.exe /U");
  RunOnce(LayOut(program_.path(), Edition::Pro));
  ExpectDeployed(client.path(), "edition=pro\n");
}

// What start-up shows in an interface language, as the shipped CHS.ini and
// ENU.ini hold it; the settings file chooses the language.
struct StartupTexts {
  const char* name;
  const char* config;  // ConfigEN.ini; none when empty
  const wchar_t* caption;
  const wchar_t* prompt;
  const wchar_t* mustRunAsAdmin;
};

std::ostream& operator<<(std::ostream& out, const StartupTexts& row) { return out << row.name; }

class StartupLanguageTest : public StartupHostTest,
                            public ::testing::WithParamInterface<StartupTexts> {
 protected:
  fs::path LayOutWithSettings() {
    const fs::path exe = LayOut(program_.path(), Edition::Pro);
    if (*GetParam().config)
      std::ofstream(program_.path() / L"ConfigEN.ini", std::ios::binary) << GetParam().config;
    return exe;
  }
};

TEST_P(StartupLanguageTest, UnreadableUninstallEntryIsReportedAndEndsTheProgram) {
  ScopedUninstallEntry entry(DWORD{42});
  Program program(LayOutWithSettings());
  const HWND box = program.WaitForDialog();
  ASSERT_NE(box, nullptr) << "no message";
  EXPECT_EQ(FindChildOfClass(box, L"Edit"), nullptr) << "a prompt instead of the message";
  EXPECT_EQ(DialogMessage(box), GetParam().mustRunAsAdmin);
  EXPECT_EQ(WindowText(box), GetParam().caption);

  ClickDialogButton(box, IDOK);
  EXPECT_TRUE(program.EndsWithoutWindow());
  EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_P(StartupLanguageTest, FolderPromptAsksInTheSettingsLanguage) {
  Program program(LayOutWithSettings());
  const HWND prompt = program.WaitForInputBox();
  ASSERT_NE(prompt, nullptr) << "no prompt for the Messenger folder";
  EXPECT_EQ(WindowText(prompt), GetParam().caption);
  EXPECT_EQ(DialogMessage(prompt), GetParam().prompt);

  ClickDialogButton(prompt, IDCANCEL);
  EXPECT_TRUE(program.EndsWithoutWindow());
  EXPECT_EQ(program.ExitCode(), 0u);
}

constexpr wchar_t kChineseCaption[] = L"提示";
constexpr wchar_t kChinesePrompt[] =
    L"没有找到 Yahoo! Messenger。请输入 YahooMessenger.exe 所在的安装文件夹：";
constexpr wchar_t kChineseMustRunAsAdmin[] =
    L"无法读取 Yahoo! Messenger 的安装信息或复制翻译插件，请以管理员身份运行本程序。";

INSTANTIATE_TEST_SUITE_P(
    InterfaceLanguages, StartupLanguageTest,
    ::testing::Values(StartupTexts{"ChineseWithoutSettings", "", kChineseCaption, kChinesePrompt,
                                   kChineseMustRunAsAdmin},
                      StartupTexts{"ChineseByLangIndex0", "[Option]\r\nLangIndex=0\r\n",
                                   kChineseCaption, kChinesePrompt, kChineseMustRunAsAdmin},
                      StartupTexts{
                          "EnglishByLangIndex1", "[Option]\r\nLangIndex=1\r\n", L"Information",
                          L"Yahoo! Messenger was not found. Please enter the folder where "
                          L"YahooMessenger.exe is installed:",
                          L"Could not read the Yahoo! Messenger installation or copy the plug-in. "
                          L"Please run this program as administrator."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupHostTest, CancelAtThePromptEndsQuietlyWithTheEngineLoaded) {
  const fs::path exe = LayOut(program_.path(), Edition::Pro, {"Glossator.dll"});
  Program program(exe);
  const HWND prompt = program.WaitForInputBox();
  ASSERT_NE(prompt, nullptr) << "no prompt for the Messenger folder";
  // The engine library is loaded before the client is looked for.
  const std::string load = "load " + std::to_string(program.id()) + "\r\n";
  EXPECT_EQ(ReadFileBytes(program_.path() / L"Glossator.dll.log"), load);

  ClickDialogButton(prompt, IDCANCEL);
  EXPECT_TRUE(program.EndsWithoutWindow());
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_EQ(ReadFileBytes(program_.path() / L"Glossator.dll.log"),
            load + "unload " + std::to_string(program.id()) + "\r\n");
}

TEST_F(StartupHostTest, PromptAsksAgainUntilTheFolderHoldsTheClient) {
  TempDir client;
  TempDir empty;
  fs::copy_file(Fixture("YahooMessenger.exe"), client.path() / L"YahooMessenger.exe");
  // A folder named like the client does not count.
  fs::create_directories(empty.path() / L"Fake" / L"YahooMessenger.exe");
  Program program(LayOut(program_.path(), Edition::Pro));

  for (const fs::path& wrong : {empty.path(), empty.path() / L"Fake"}) {
    const HWND prompt = program.WaitForInputBox();
    ASSERT_NE(prompt, nullptr);
    SetEditText(prompt, wrong.wstring());
    ClickDialogButton(prompt, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(prompt); }));
  }
  const HWND prompt = program.WaitForInputBox();
  ASSERT_NE(prompt, nullptr) << "not asked again after a folder without the client";
  SetEditText(prompt, client.path().wstring());  // without a trailing backslash
  ClickDialogButton(prompt, IDOK);

  ASSERT_NE(program.WaitForControlWindow(), nullptr);
  ExpectDeployed(client.path(), "edition=pro\n");
  EXPECT_FALSE(fs::exists(empty.path() / kPluginFolder));
}

TEST_F(StartupHostTest, SecondInstanceDeploysAgainThenEndsWithoutWindow) {
  ScopedCandidateFolder messenger;
  const fs::path exe = LayOut(program_.path(), Edition::Pro);
  Program first(exe);
  const HWND firstWindow = first.WaitForControlWindow();
  ASSERT_NE(firstWindow, nullptr);
  const fs::path deployed = messenger.path() / kPluginFolder / L"Sidecard.html";
  ASSERT_TRUE(fs::remove(deployed));

  Program second(exe);
  EXPECT_TRUE(second.EndsWithoutWindow());
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(fs::exists(deployed)) << "the second start copied nothing";
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(IsWindow(firstWindow) && IsWindowVisible(firstWindow));
}

TEST_F(StartupHostTest, EngineLibraryLoadedForTheWholeRun) {
  ScopedCandidateFolder messenger;
  Program program(LayOut(program_.path(), Edition::Pro, {"Glossator.dll"}));
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  const fs::path log = program_.path() / L"Glossator.dll.log";
  const std::string pid = std::to_string(program.id());
  EXPECT_EQ(ReadFileBytes(log), "load " + pid + "\r\n");
  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_EQ(ReadFileBytes(log), "load " + pid + "\r\nunload " + pid + "\r\n");
}

// A folder put in front of this process's PATH, which the programs it starts
// inherit; PATH is restored when dropped.
class ScopedPathFolder {
 public:
  explicit ScopedPathFolder(const fs::path& folder) {
    old_.resize(GetEnvironmentVariableW(L"PATH", nullptr, 0));
    old_.resize(GetEnvironmentVariableW(L"PATH", old_.data(), static_cast<DWORD>(old_.size())));
    SetEnvironmentVariableW(L"PATH", (folder.wstring() + L";" + old_).c_str());
  }
  ~ScopedPathFolder() { SetEnvironmentVariableW(L"PATH", old_.c_str()); }
  ScopedPathFolder(const ScopedPathFolder&) = delete;
  ScopedPathFolder& operator=(const ScopedPathFolder&) = delete;

 private:
  std::wstring old_;
};

// Loaded by name, the engine library is found where the system looks for any
// library, PATH included, not only beside the program and in the system folder.
TEST_F(StartupHostTest, EngineLibraryOnlyOnPathIsLoaded) {
  ScopedCandidateFolder messenger;
  TempDir onPath;
  fs::copy_file(Fixture("Glossator.dll"), onPath.path() / L"Glossator.dll");
  ScopedPathFolder path(onPath.path());
  Program program(LayOut(program_.path(), Edition::Pro));
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  // The stand-in logs beside itself: the copy on PATH was the one loaded.
  const std::string pid = std::to_string(program.id());
  EXPECT_EQ(ReadFileBytes(onPath.path() / L"Glossator.dll.log"), "load " + pid + "\r\n");
  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
}  // namespace tandemix::test
