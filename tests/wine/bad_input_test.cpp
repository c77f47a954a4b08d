// Whatever a user's machine hands the real program (damaged, locked or odd
// files, odd registry values, odd folder names) it never crashes and never
// loses a setting it could read: one row per input, each saying what the user
// then sees and what ConfigEN.ini holds afterwards.

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "platform/owned_handles_win.h"
#include "tests/utf16_file.h"
#include "tests/wine/ini_values.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// The settings a user had before the run; the window selects these entries.
const std::string kConfig = "[Option]\r\nSendIndex=1\r\nRecvIndex=3\r\n; mine\r\n";

// How long a row may take to show its window or to end: reading and saving a
// 10 MB ConfigEN.ini takes a while under an emulated Wine.
constexpr milliseconds kPatience{120000};

// What the user sees.
enum class Sees {
  Window,         // the control window, until Exit
  BoxThenEnd,     // a message box, then the program ends by itself
  PromptThenEnd,  // the folder prompt, answered as the row says, then the end
};

// What ConfigEN.ini holds after the run.
struct After {
  bool unchanged = false;  // byte for byte the file before the run (a folder stays one)
  // Else the saved file:
  int sendIndex = 1;  // as the system reads it
  int recvIndex = 3;
  std::vector<std::string> kept{};  // pieces of the user's file still in it
  DWORD attributes = 0;             // attributes it still has
  // False where Wine's profile functions read a mark that Windows' and the
  // program's do not: the indices are then not asked of them.
  bool systemReads = true;
};

const After kUnchanged{.unchanged = true};
// The user's choices and lines kept through a save.
const After kMineSaved{.kept = {"[Option]\r\n", "; mine\r\n"}};

struct World;

struct Row {
  std::string name{};  // also the test's name, with "_" for what is not a letter or digit
  std::function<void(World&)> arrange{};
  After after = kMineSaved;
  Sees sees = Sees::Window;
  std::wstring box{};                // the text of the message box, when one shows
  const wchar_t* boxHint = nullptr;  // or the key of its text in the shipped CHS.ini
  DWORD exitCode = 0;
  bool deployed = true;  // the plug-in reaches the client folder
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class BadInputTest : public ::testing::TestWithParam<Row> {
 protected:
  void SetUp() override { ASSERT_EQ(ClearMessengerInstall(), ""); }
  void TearDown() override { ClearMessengerInstall(); }
};

// One run's world: the program folder and what the row arranged in it.
struct World {
  fs::path folder;  // the program folder
  fs::path client;  // where the client is, when it is anywhere
  std::wstring folderName = L"Tandemix";
  Edition edition = Edition::Pro;
  bool candidate = true;                              // the client in the second candidate folder
  std::vector<std::wstring> answers;                  // typed at the prompt, in order; then Cancel
  std::string config = kConfig;                       // ConfigEN.ini as the row wrote it
  std::vector<std::function<void(World&)>> steps;     // after the folder is laid out
  std::vector<std::shared_ptr<void>> held;            // handles kept through the run
  std::vector<std::shared_ptr<void>> heldUntilShown;  // released once the window shows
  // Once the window shows, before Exit.
  std::vector<std::function<void(World&, const Program&)>> whileShown;
};

void Write(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Opened here without sharing: the program can neither read nor replace it.
std::shared_ptr<void> HoldLocked(const fs::path& file) {
  auto held = std::make_shared<KernelHandle>(
      CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_TRUE(*held) << file.string();
  return held;
}

std::string Garbage(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245 + 12345;
    byte = static_cast<char>(state >> 16);
  }
  return bytes;
}

// The shipped logo with a frame header that declares 20000 x 20000 pixels.
std::string HugeLogo(const fs::path& logo) {
  std::string bytes = ReadFileBytes(logo);
  const size_t frame = bytes.find("\xFF\xC0");
  if (frame != std::string::npos) bytes.replace(frame + 5, 4, "\x4E\x20\x4E\x20");
  return bytes;
}

// A client folder of that name holding the client, for the prompt or the registry.
fs::path MakeClient(World& world, const std::wstring& name) {
  auto parent = std::make_shared<TempDir>();
  world.held.push_back(parent);
  const fs::path client = parent->path() / name;
  fs::create_directories(client);
  fs::copy_file(Fixture("YahooMessenger.exe"), client / L"YahooMessenger.exe");
  return client;
}

// The Explorer processes running: a row must not leave a window of its own.
std::set<DWORD> ExplorerProcesses() {
  std::set<DWORD> found;
  for (const ListedProcess& listed : ListProcesses()) {
    if (_wcsicmp(listed.exeName.c_str(), L"explorer.exe") == 0) found.insert(listed.id);
  }
  return found;
}

void EndNewExplorers(const std::set<DWORD>& before) {
  for (DWORD id : ExplorerProcesses()) {
    if (before.count(id)) continue;
    ADD_FAILURE() << "an Explorer window was opened";
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    if (process) TerminateProcess(process.get(), 1);
  }
}

// Puts the user's ConfigEN.ini, then more steps of the row, in the program folder.
std::function<void(World&)> Config(std::string bytes,
                                   std::function<void(World&, const fs::path&)> then = {}) {
  return [bytes, then](World& world) {
    world.steps.push_back([bytes, then](World& w) {
      const fs::path file = w.folder / L"ConfigEN.ini";
      Write(file, bytes);
      w.config = bytes;
      if (then) then(w, file);
    });
  };
}

// The rows that put something odd in the place of each of an interface
// language's files at once (its texts, its window texts, its catalogue): each
// is read on its own, so one row a kind of damage shows each file's handling.
// The lists stay empty, and the choices the user had are kept.
std::vector<Row> FileRows(std::vector<std::wstring> files, int langIndex) {
  std::string names;
  for (const std::wstring& file : files) names += (names.empty() ? "" : ", ") + Ansi(file);
  const std::string lang = "LangIndex=" + std::to_string(langIndex);
  auto each = [lang, files](std::function<void(World&, const fs::path&)> damage) {
    return Config(kConfig + lang + "\r\n", [files, damage](World& w, const fs::path&) {
      for (const std::wstring& file : files) damage(w, w.folder / file);
    });
  };
  const After after{.kept = {"[Option]\r\n", "; mine\r\n", lang + "\r\n"}};
  return {
      {names + " missing", each([](World&, const fs::path& f) { fs::remove(f); }), after},
      {names + " empty", each([](World&, const fs::path& f) { Write(f, ""); }), after},
      {names + " garbage", each([](World&, const fs::path& f) { Write(f, Garbage(4000)); }), after},
      {names + " over 1 MB",
       each([](World&, const fs::path& f) { Write(f, std::string(1100000, 'x') + "=y\r\n"); }),
       after},
      {names + " locked",
       each([](World& w, const fs::path& f) { w.held.push_back(HoldLocked(f)); }), after},
      {names + " a folder", each([](World&, const fs::path& f) {
         fs::remove(f);
         fs::create_directory(f);
       }),
       after},
  };
}

std::vector<Row> AllRows() {
  std::vector<Row> rows = {
      {"ConfigEN.ini empty", Config(""), {.sendIndex = 0, .recvIndex = 2}},
      {"ConfigEN.ini cut mid-line",
       Config("[Option]\r\nSendIndex=1\r\nRecvIn"),
       {.recvIndex = 2, .kept = {"[Option]\r\nSendIndex=1\r\nRecvIn"}}},
      {"ConfigEN.ini garbage", Config(Garbage(3000)), {.sendIndex = 0, .recvIndex = 2}},
      {"ConfigEN.ini 10 MB", Config(kConfig + std::string(10 << 20, 'z') + "\r\n")},
      // The program reads no UTF-8 or UTF-16BE mark, as Windows' profile functions do
      // not: the user's text stays, and the program's own section follows it.
      {"ConfigEN.ini UTF-8 with mark",
       Config("\xEF\xBB\xBF" + kConfig),
       {.kept = {"\xEF\xBB\xBF" + kConfig, "SendIndex=0\r\nRecvIndex=2\r\n"},
        .systemReads = false}},
      {"ConfigEN.ini UTF-16BE",
       Config(Utf16File(u"[Option]\r\nSendIndex=1\r\n", true)),
       {.kept = {Utf16File(u"[Option]\r\nSendIndex=1\r\n", true), "SendIndex=0\r\nRecvIndex=2\r\n"},
        .systemReads = false}},
      {"ConfigEN.ini read-only",
       Config(kConfig,
              [](World&, const fs::path& file) {
                SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
              }),
       kUnchanged},
      // Held by a backup or a virus scanner: while the window is made, or all along.
      {"ConfigEN.ini locked",
       Config(kConfig, [](World& w, const fs::path& file) { w.held.push_back(HoldLocked(file)); }),
       kUnchanged},
      {"ConfigEN.ini locked until the window shows",
       Config(kConfig,
              [](World& w, const fs::path& file) { w.heldUntilShown.push_back(HoldLocked(file)); }),
       kUnchanged},
      {"ConfigEN.ini a folder",
       Config(kConfig,
              [](World&, const fs::path& file) {
                fs::remove(file);
                fs::create_directory(file);
              }),
       kUnchanged},
      {"ConfigEN.ini hidden and system",
       Config(kConfig,
              [](World&, const fs::path& file) {
                SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
              }),
       {.kept = {"[Option]\r\n", "; mine\r\n"},
        .attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}},
      // No new file can be made beside ConfigEN.ini: it is written where it lies.
      {"a folder where the new ConfigEN.ini would be made",
       [](World& world) {
         world.whileShown.push_back([](World& w, const Program& program) {
           fs::create_directory(w.folder / (L"ConfigEN.ini.tmp" + std::to_wstring(program.id())));
         });
       }},
  };
  for (const auto& [files, lang] :
       {std::pair{std::vector<std::wstring>{L"CHS.ini", L"CHS.txt", L"LangsCN.ini"}, 0},
        std::pair{std::vector<std::wstring>{L"ENU.ini", L"ENU.txt", L"LangsEn.ini"}, 1}}) {
    for (Row& row : FileRows(files, lang)) rows.push_back(std::move(row));
  }
  auto logo = [](std::function<std::string(const fs::path&)> bytes) {
    return [bytes](World& w) {
      w.steps.push_back([bytes](World& w) {
        const fs::path file = w.folder / L"LOGO_ENU_PRO.jpg";
        Write(file, bytes(file));
      });
    };
  };
  std::vector<Row> more = {
      {"logo cut short", logo([](const fs::path& f) { return ReadFileBytes(f).substr(0, 1000); })},
      {"logo a PNG", logo([](const fs::path&) { return "\x89PNG\r\n\x1A\n"s + Garbage(500); })},
      {"logo 0 bytes", logo([](const fs::path&) { return ""s; })},
      {"logo declares 20000 x 20000", logo(HugeLogo)},

      {"uninstall entry REG_EXPAND_SZ",
       [](World& w) {
         w.candidate = false;
         w.client = MakeClient(w, L"Messenger");
         w.held.push_back(std::make_shared<ScopedUninstallEntry>(
             Ansi((w.client / L"uninstall.exe").wstring()) + " /U", REG_EXPAND_SZ));
       }},
      {.name = "uninstall entry REG_DWORD",
       .arrange =
           [](World& w) {
             w.candidate = false;
             w.held.push_back(std::make_shared<ScopedUninstallEntry>(DWORD{42}));
           },
       .after = kUnchanged,
       .sees = Sees::BoxThenEnd,
       .boxHint = L"MUST_RUNAS_ADMIN",
       .deployed = false},
      {.name = "uninstall entry empty",
       .arrange =
           [](World& w) {
             w.candidate = false;
             w.held.push_back(std::make_shared<ScopedUninstallEntry>(""));
           },
       .after = kUnchanged,
       .sees = Sees::PromptThenEnd,
       .deployed = false},
      {.name = "uninstall entry 5000 characters",
       .arrange =
           [](World& w) {
             w.candidate = false;
             w.held.push_back(std::make_shared<ScopedUninstallEntry>(
                 "C:\\" + std::string(4980, 'a') + "\\uninstall.exe /U"));
           },
       .deployed = false},
      {"uninstall entry in a folder ending in 0x5C",
       [](World& w) {
         w.candidate = false;
         w.client = MakeClient(w, L"\u5630");
         w.held.push_back(std::make_shared<ScopedUninstallEntry>(
             Ansi((w.client / L"uninstall.exe").wstring()) + " /U"));
       }},
  };
  for (Row& row : more) rows.push_back(std::move(row));

  // Odd names, for the program's folder and for the client's folder at the prompt.
  struct OddName {
    const char* what;
    std::wstring name;
    // The plug-in is copied from the program's folder by its ANSI name, which
    // a name outside the code page does not have; nor can it be typed at the
    // prompt, which then asks again.
    bool inCodePage;
  };
  const OddName names[] = {
      {"Chinese", L"\u7ffb\u8bd1\u52a9\u624b", true},
      {"blanks", L"Tandemix  with  blanks", true},
      {"a 0x5C second byte", L"\u5630\u573d", true},
      {"outside code page 936", L"\ud55c\uad6d\uc5b4", false},
  };
  for (const OddName& odd : names) {
    rows.push_back({.name = "program folder "s + odd.what,
                    .arrange = [name = odd.name](World& w) { w.folderName = name; },
                    .deployed = odd.inCodePage});
    Row prompt{.name = "client folder at the prompt "s + odd.what,
               .arrange = [name = odd.name](World& w) {
                 w.candidate = false;
                 w.client = MakeClient(w, name);
                 w.answers = {w.client.wstring()};
               }};
    if (!odd.inCodePage) {
      prompt.after = kUnchanged;
      prompt.sees = Sees::PromptThenEnd;
      prompt.deployed = false;
    }
    rows.push_back(prompt);
  }
  rows.push_back({.name = "a file named Plugin in the client folder",
                  .arrange =
                      [](World& w) {
                        w.steps.push_back([](World&) {
                          Write(SecondCandidateFolder() / L"Plugin", "not a folder");
                        });
                      },
                  .deployed = false});
  rows.push_back({"Pro edition with a folder named Updater.exe", [](World& w) {
                    w.steps.push_back(
                        [](World& w) { fs::create_directory(w.folder / L"Updater.exe"); });
                  }});
  // The window was made and its lists filled before the updater is looked for.
  rows.push_back({.name = "standard edition with a folder named Updater.exe",
                  .arrange =
                      [](World& w) {
                        w.edition = Edition::Standard;
                        w.steps.push_back([](World& w) {
                          fs::remove(w.folder / L"Updater.exe");
                          fs::create_directory(w.folder / L"Updater.exe");
                        });
                      },
                  .sees = Sees::BoxThenEnd,
                  .box = L"\u7f3a\u5c11\u5347\u7ea7\u7a0b\u5e8f\u7ec4\u4ef6\uff0c\u8f6f\u4ef6"
                         L"\u5c06\u4e0d\u80fd\u8fd0\u884c!"});
  return rows;
}

std::string TestName(const std::string& rowName) {
  std::string name;
  for (char c : rowName) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

int ProfileInt(const fs::path& file, const wchar_t* key) {
  return static_cast<int>(GetPrivateProfileIntW(L"Option", key, -999, file.c_str()));
}

void CheckConfig(const fs::path& config, const After& after, const std::string& before,
                 bool wasFolder) {
  const std::string bytes = ReadFileBytes(config);
  EXPECT_EQ(fs::is_directory(config), wasFolder);
  if (after.unchanged) {
    if (!wasFolder) {
      EXPECT_EQ(bytes, before) << "ConfigEN.ini changed";
    }
    return;
  }
  EXPECT_NE(bytes.find("TransMothed="), std::string::npos) << "ConfigEN.ini not saved";
  if (after.systemReads) {
    EXPECT_EQ(ProfileInt(config, L"SendIndex"), after.sendIndex);
    EXPECT_EQ(ProfileInt(config, L"RecvIndex"), after.recvIndex);
  }
  for (const std::string& piece : after.kept) {
    EXPECT_NE(bytes.find(piece), std::string::npos) << "lost: " << ::testing::PrintToString(piece);
  }
  EXPECT_EQ(GetFileAttributesW(config.c_str()) & after.attributes, after.attributes);
}

// Lets the folder go with its files whatever attributes a row gave them.
struct NormalAttributes {
  fs::path file;
  ~NormalAttributes() { SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); }
};

TEST_P(BadInputTest, NeverCrashesTheProgramOrLosesASetting) {
  const Row& row = GetParam();
  TempDir root;
  World world;
  row.arrange(world);
  std::optional<ScopedCandidateFolder> candidate;
  if (world.candidate) {
    candidate.emplace();
    world.client = candidate->path();
  }
  world.folder = root.path() / world.folderName;
  // Only the standard edition needs the updater beside it.
  const fs::path exe = LayOutProgramFolder(world.folder, world.edition,
                                           world.edition == Edition::Standard
                                               ? std::vector<std::string>{"Updater.exe"}
                                               : std::vector<std::string>{});
  const fs::path config = world.folder / L"ConfigEN.ini";
  const NormalAttributes normal{config};
  Write(config, kConfig);
  for (const auto& step : world.steps) step(world);
  const std::string before = world.config;
  const std::set<DWORD> explorers = ExplorerProcesses();
  const bool wasFolder = fs::is_directory(config);

  {
    Program program(exe);
    for (const std::wstring& answer : world.answers) {
      const HWND prompt = program.WaitForInputBox();
      ASSERT_NE(prompt, nullptr) << "no prompt";
      SetEditText(prompt, answer);
      ClickDialogButton(prompt, IDOK);
      ASSERT_TRUE(WaitUntil([&] { return !IsWindow(prompt) || !program.Running(); }));
    }
    switch (row.sees) {
      case Sees::Window: {
        ASSERT_NE(program.WaitForShownControlWindow(kPatience), nullptr) << "no window";
        ASSERT_EQ(program.Dialog(), nullptr)
            << "a message: " << Ansi(DialogMessage(program.Dialog()));
        world.heldUntilShown.clear();
        for (const auto& step : world.whileShown) step(world, program);
        program.Exit();
        break;
      }
      case Sees::BoxThenEnd: {
        const HWND box = program.WaitForDialog();
        ASSERT_NE(box, nullptr) << "no message";
        EXPECT_EQ(
            DialogMessage(box),
            row.boxHint ? ShippedText(world.folder / L"CHS.ini", L"Hint", row.boxHint) : row.box);
        ClickDialogButton(box, IDOK);
        break;
      }
      case Sees::PromptThenEnd: {
        const HWND prompt = program.WaitForInputBox();
        ASSERT_NE(prompt, nullptr) << "no prompt";
        ClickDialogButton(prompt, IDCANCEL);
        break;
      }
    }
    ASSERT_TRUE(program.WaitForExit(kPatience)) << "the program did not end";
    // A crash ends with an exception code, never with the program's own.
    EXPECT_EQ(program.ExitCode(), row.exitCode);
  }

  EndNewExplorers(explorers);
  const fs::path plugin = world.client / L"Plugin\\Test\\SidePanel\\test.yplugin\\Sidecard.html";
  EXPECT_EQ(!world.client.empty() && fs::exists(plugin), row.deployed) << "deployment";
  world.held.clear();
  CheckConfig(config, row.after, before, wasFolder);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputTest, ::testing::ValuesIn(AllRows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return TestName(info.param.name);
                         });

}  // namespace
}  // namespace tandemix::test
