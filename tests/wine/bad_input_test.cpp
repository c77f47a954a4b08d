// Whatever a user's machine hands the real program (damaged, locked or odd
// files, odd registry values, odd folder names) it never crashes and never
// loses a setting: one row per input, each saying what the user then sees and
// what ConfigEN.ini holds afterwards.

#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "platform/owned_handles_win.h"
#include "tests/utf16_file.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// The settings a user had before the run; the window selects these entries.
const std::string kConfig = "[Option]\r\nSendIndex=1\r\nRecvIndex=3\r\n; mine\r\n";

// What the user sees.
enum class Sees {
  Window,         // the control window, until Exit
  BoxThenEnd,     // a message box, then the program ends by itself
  PromptThenEnd,  // the folder prompt, answered as the row says, then the end
};

struct Row {
  Row(std::string name, Sees sees = Sees::Window, std::wstring box = {}, DWORD exitCode = 0,
      bool saved = true, bool deployed = true)
      : name(std::move(name)),
        sees(sees),
        box(std::move(box)),
        exitCode(exitCode),
        saved(saved),
        deployed(deployed) {}
  std::string name;
  Sees sees;
  std::wstring box;  // the text of the message box, when one shows
  DWORD exitCode;
  bool saved;     // ConfigEN.ini written by the window; else left byte for byte
  bool deployed;  // the plug-in reaches the client folder
};

class BadInputTest : public ::testing::Test {
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
  bool candidate = true;                           // the client in the second candidate folder
  std::vector<std::wstring> answers;               // typed at the prompt, in order; then Cancel
  std::vector<std::function<void(World&)>> steps;  // after the folder is laid out
  std::vector<std::shared_ptr<void>> held;         // handles kept through the run
};

void Write(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Opened here without sharing: the program can neither read nor replace it.
std::shared_ptr<void> HoldLocked(const fs::path& file) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(handle, INVALID_HANDLE_VALUE) << file.string();
  return std::shared_ptr<void>(handle, [](HANDLE h) { CloseHandle(h); });
}

// Bytes 8 to 24 locked: a read of the whole file fails partway.
std::shared_ptr<void> HoldRangeLocked(const fs::path& file) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  EXPECT_TRUE(handle != INVALID_HANDLE_VALUE && LockFile(handle, 8, 0, 16, 0));
  return std::shared_ptr<void>(handle, [](HANDLE h) {
    UnlockFile(h, 8, 0, 16, 0);
    CloseHandle(h);
  });
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

std::shared_ptr<void> Registry(const std::string& value, DWORD type) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Yahoo! Messenger", 0,
                  nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr);
  RegSetValueExA(key, "UninstallString", 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(type == REG_DWORD ? 4 : value.size() + 1));
  RegCloseKey(key);
  return std::shared_ptr<void>(nullptr, [](void*) { ClearMessengerInstall(); });
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

std::wstring ShippedHint(const fs::path& folder, const wchar_t* key) {
  wchar_t text[1024] = {};
  GetPrivateProfileStringW(L"Hint", key, L"", text, 1024, (folder / L"CHS.ini").c_str());
  return text;
}

// The Explorer processes running: a row must not leave a window of its own.
std::set<DWORD> ExplorerProcesses() {
  std::set<DWORD> found;
  const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (_wcsicmp(entry.szExeFile, L"explorer.exe") == 0) found.insert(entry.th32ProcessID);
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

struct Case {
  Row row;
  std::function<void(World&)> arrange;
};

// The rows that put something odd in the place of each of an interface
// language's files at once (its texts, its window texts, its catalogue): each
// is read on its own, so one row a kind of damage shows each file's handling.
std::vector<Case> FileRows(std::vector<std::wstring> files, int langIndex) {
  std::string names;
  for (const std::wstring& file : files) names += (names.empty() ? "" : ", ") + Ansi(file);
  const std::string lang = "LangIndex=" + std::to_string(langIndex) + "\r\n";
  auto each = [lang, files](std::function<void(World&, const fs::path&)> damage) {
    return [lang, files, damage](World& world) {
      world.steps.push_back(
          [lang](World& w) { Write(w.folder / L"ConfigEN.ini", kConfig + lang); });
      world.steps.push_back([files, damage](World& w) {
        for (const std::wstring& file : files) damage(w, w.folder / file);
      });
    };
  };
  return {
      {{names + " missing"}, each([](World&, const fs::path& f) { fs::remove(f); })},
      {{names + " empty"}, each([](World&, const fs::path& f) { Write(f, ""); })},
      {{names + " garbage"}, each([](World&, const fs::path& f) { Write(f, Garbage(4000)); })},
      {{names + " over 1 MB"},
       each([](World&, const fs::path& f) { Write(f, std::string(1100000, 'x') + "=y\r\n"); })},
      {{names + " locked"},
       each([](World& w, const fs::path& f) { w.held.push_back(HoldLocked(f)); })},
      {{names + " a folder"}, each([](World&, const fs::path& f) {
         fs::remove(f);
         fs::create_directory(f);
       })},
  };
}

std::vector<Case> AllCases() {
  auto config = [](std::string bytes) {
    return [bytes](World& w) {
      w.steps.push_back([bytes](World& w) { Write(w.folder / L"ConfigEN.ini", bytes); });
    };
  };
  std::vector<Case> cases = {
      {{"ConfigEN.ini empty"}, config("")},
      {{"ConfigEN.ini cut mid-line"}, config("[Option]\r\nSendIndex=1\r\nRecvIn")},
      {{"ConfigEN.ini garbage"}, config(Garbage(3000))},
      {{"ConfigEN.ini 10 MB"}, config(kConfig + std::string(10 << 20, 'z') + "\r\n")},
      {{"ConfigEN.ini UTF-8 with mark"}, config("\xEF\xBB\xBF" + kConfig)},
      {{"ConfigEN.ini UTF-16BE"}, config(Utf16File(u"[Option]\r\nSendIndex=1\r\n", true))},
      {{"ConfigEN.ini read-only", Sees::Window, L"", 0, false},
       [](World& w) {
         w.steps.push_back([](World& w) {
           Write(w.folder / L"ConfigEN.ini", kConfig);
           SetFileAttributesW((w.folder / L"ConfigEN.ini").c_str(), FILE_ATTRIBUTE_READONLY);
         });
       }},
      {{"ConfigEN.ini locked", Sees::Window, L"", 0, false},
       [](World& w) {
         w.steps.push_back([](World& w) {
           Write(w.folder / L"ConfigEN.ini", kConfig);
           w.held.push_back(HoldLocked(w.folder / L"ConfigEN.ini"));
         });
       }},
      {{"ConfigEN.ini read fails partway", Sees::Window, L"", 0, false},
       [](World& w) {
         w.steps.push_back([](World& w) {
           Write(w.folder / L"ConfigEN.ini", kConfig);
           w.held.push_back(HoldRangeLocked(w.folder / L"ConfigEN.ini"));
         });
       }},
      {{"ConfigEN.ini a folder", Sees::Window, L"", 0, false},
       [](World& w) {
         w.steps.push_back([](World& w) {
           fs::remove(w.folder / L"ConfigEN.ini");
           fs::create_directory(w.folder / L"ConfigEN.ini");
         });
       }},
  };
  for (const auto& [files, lang] :
       {std::pair{std::vector<std::wstring>{L"CHS.ini", L"CHS.txt", L"LangsCN.ini"}, 0},
        std::pair{std::vector<std::wstring>{L"ENU.ini", L"ENU.txt", L"LangsEn.ini"}, 1}}) {
    for (Case& c : FileRows(files, lang)) cases.push_back(std::move(c));
  }
  auto logo = [](std::function<std::string(const fs::path&)> bytes) {
    return [bytes](World& w) {
      w.steps.push_back([bytes](World& w) {
        const fs::path file = w.folder / L"LOGO_ENU_PRO.jpg";
        Write(file, bytes(file));
      });
    };
  };
  const std::vector<Case> more = {
      {{"logo cut short"},
       logo([](const fs::path& f) { return ReadFileBytes(f).substr(0, 1000); })},
      {{"logo a PNG"}, logo([](const fs::path&) { return "\x89PNG\r\n\x1A\n"s + Garbage(500); })},
      {{"logo 0 bytes"}, logo([](const fs::path&) { return ""s; })},
      {{"logo declares 20000 x 20000"}, logo(HugeLogo)},

      {{"uninstall entry REG_EXPAND_SZ"},
       [](World& w) {
         w.candidate = false;
         w.client = MakeClient(w, L"Messenger");
         w.held.push_back(
             Registry(Ansi((w.client / L"uninstall.exe").wstring()) + " /U", REG_EXPAND_SZ));
       }},
      {{"uninstall entry REG_DWORD", Sees::BoxThenEnd, L"MUST_RUNAS_ADMIN", 0, false, false},
       [](World& w) {
         w.candidate = false;
         w.held.push_back(Registry("\x2A\0\0\0"s, REG_DWORD));
       }},
      {{"uninstall entry empty", Sees::PromptThenEnd, L"", 0, false, false},
       [](World& w) {
         w.candidate = false;
         w.held.push_back(Registry("", REG_SZ));
       }},
      {{"uninstall entry 5000 characters", Sees::Window, L"", 0, true, false},
       [](World& w) {
         w.candidate = false;
         w.held.push_back(Registry("C:\\" + std::string(4980, 'a') + "\\uninstall.exe /U", REG_SZ));
       }},
      {{"uninstall entry in a folder ending in 0x5C"},
       [](World& w) {
         w.candidate = false;
         w.client = MakeClient(w, L"\u5630");
         w.held.push_back(Registry(Ansi((w.client / L"uninstall.exe").wstring()) + " /U", REG_SZ));
       }},
  };
  for (const Case& c : more) cases.push_back(c);

  // Odd names, for the program's folder and for the client's folder at the prompt.
  const std::pair<const char*, std::wstring> names[] = {
      {"Chinese", L"\u7ffb\u8bd1\u52a9\u624b"},
      {"blanks", L"Tandemix  with  blanks"},
      {"a 0x5C second byte", L"\u5630\u573d"},
      {"outside code page 936", L"\ud55c\uad6d\uc5b4"},
  };
  for (const auto& [what, name] : names) {
    // The plug-in is copied from the program's folder by its ANSI name, which
    // a name outside the code page does not have.
    const bool ansi = std::string(what) != "outside code page 936";
    cases.push_back({{"program folder "s + what, Sees::Window, L"", 0, true, ansi},
                     [name](World& w) { w.folderName = name; }});
    // At the prompt, such a name cannot be typed in the code page: asked again.
    Row prompt{"client folder at the prompt "s + what};
    if (!ansi) prompt = {prompt.name, Sees::PromptThenEnd, L"", 0, false, false};
    cases.push_back({prompt, [name](World& w) {
                       w.candidate = false;
                       w.client = MakeClient(w, name);
                       w.answers = {w.client.wstring()};
                     }});
  }
  cases.push_back({{"a file named Plugin in the client folder", Sees::Window, L"", 0, true, false},
                   [](World& w) {
                     w.steps.push_back([](World&) {
                       Write(SecondCandidateFolder() / L"Plugin", "not a folder");
                     });
                   }});
  cases.push_back({{"Pro edition with a folder named Updater.exe"}, [](World& w) {
                     w.steps.push_back(
                         [](World& w) { fs::create_directory(w.folder / L"Updater.exe"); });
                   }});
  cases.push_back({{"standard edition with a folder named Updater.exe", Sees::BoxThenEnd,
                    L"\u7f3a\u5c11\u5347\u7ea7\u7a0b\u5e8f\u7ec4\u4ef6\uff0c\u8f6f\u4ef6\u5c06"
                    L"\u4e0d\u80fd\u8fd0\u884c!"},
                   [](World& w) {
                     w.edition = Edition::Standard;
                     w.steps.push_back([](World& w) {
                       fs::remove(w.folder / L"Updater.exe");
                       fs::create_directory(w.folder / L"Updater.exe");
                     });
                   }});
  return cases;
}

void RunRow(const Case& c) {
  SCOPED_TRACE(c.row.name);
  const Row& row = c.row;
  TempDir root;
  World world;
  c.arrange(world);
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
  Write(world.folder / L"ConfigEN.ini", kConfig);
  for (const auto& step : world.steps) step(world);
  const std::string before = ReadFileBytes(world.folder / L"ConfigEN.ini");
  const std::set<DWORD> explorers = ExplorerProcesses();
  const bool wasFolder = fs::is_directory(world.folder / L"ConfigEN.ini");

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
        ASSERT_NE(program.WaitForShownControlWindow(), nullptr) << "no window";
        ASSERT_EQ(program.Dialog(), nullptr)
            << "a message: " << Ansi(DialogMessage(program.Dialog()));
        program.Exit();
        break;
      }
      case Sees::BoxThenEnd: {
        const HWND box = program.WaitForDialog();
        ASSERT_NE(box, nullptr) << "no message";
        const std::wstring expected = row.box == L"MUST_RUNAS_ADMIN"
                                          ? ShippedHint(world.folder, L"MUST_RUNAS_ADMIN")
                                          : row.box;
        EXPECT_EQ(DialogMessage(box), expected);
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
    ASSERT_TRUE(program.WaitForExit()) << "the program did not end";
    // A crash ends with an exception code, never with the program's own.
    EXPECT_EQ(program.ExitCode(), row.exitCode);
  }

  EndNewExplorers(explorers);
  const fs::path config = world.folder / L"ConfigEN.ini";
  const std::string after = ReadFileBytes(config);
  if (row.saved) {
    EXPECT_NE(after.find("TransMothed="), std::string::npos) << "ConfigEN.ini not saved";
    EXPECT_NE(after.find("LangIndex="), std::string::npos);
  } else {
    EXPECT_EQ(after, before) << "ConfigEN.ini changed";
    EXPECT_EQ(fs::is_directory(config), wasFolder);
  }
  const fs::path plugin = world.client / L"Plugin\\Test\\SidePanel\\test.yplugin\\Sidecard.html";
  EXPECT_EQ(!world.client.empty() && fs::exists(plugin), row.deployed) << "deployment";
  SetFileAttributesW(config.c_str(), FILE_ATTRIBUTE_NORMAL);
  world.held.clear();
}

TEST_F(BadInputTest, NoInputCrashesTheProgramOrLosesASetting) {
  for (const Case& c : AllCases()) RunRow(c);
}

}  // namespace
}  // namespace tandemix::test
