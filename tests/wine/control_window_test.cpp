// The control window against the real program: what a user does through its
// controls, and what the user, the plug-in (the shared block) and the settings
// file then see.

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstring>
#include <fstream>
#include <map>

#include "tests/jpeg_file.h"
#include "tests/utf16_file.h"
#include "tests/wine/recorded_calls.h"
#include "tests/wine/window_test.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

// translate.googleapis.com under DES-ECB with the key "vestiran", zero-padded,
// in uppercase hex: computed with OpenSSL, not with the program's codec.
constexpr char kDefaultHostProtected[] = "0760D68898B3EA05CEE513E3E6AAFBEB64C9CE6A1585E6D5";
// mt.example.org the same way.
constexpr char kOtherHostProtected[] = "E89E74D468A70488AAB89307CD38EE79";

using ControlWindowTest = WindowTest;

TEST_F(ControlWindowTest, StartStopAndExitAsThePluginAndTheSettingsFileSeeThem) {
  HWND window = Start(Edition::Pro);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Tandemix Pro");
  EXPECT_TRUE(Enabled(program().Control("btnStart")));
  EXPECT_FALSE(Enabled(program().Control("btnStop")));

  PluginView block;
  ASSERT_TRUE(block);
  EXPECT_EQ(block->TransState, 0u);
  EXPECT_EQ(block->OwnerProcessId, program().id());
  EXPECT_STREQ(block->OwnerExeName, "Tandemix.exe");
  EXPECT_STREQ(block->TransHostName, "translate.googleapis.com");

  program().Click("btnStart");
  EXPECT_EQ(block->TransState, 0x02132141u);
  EXPECT_STREQ(block->SendLang, Ansi(u"中文(简体)").c_str());
  EXPECT_STREQ(block->RecvLang, Ansi(u"英语").c_str());
  EXPECT_EQ(block->TransTimeOut, 15);
  EXPECT_EQ(block->Reserved, 0);
  EXPECT_EQ(block->NeedConfirm, 0);
  EXPECT_EQ(block->AutoRead, 0);
  EXPECT_EQ(block->SaveHistory, 1);
  EXPECT_FALSE(Visible(window)) << "Start hides the window to the tray";
  EXPECT_FALSE(Enabled(program().Control("btnStart")));
  EXPECT_TRUE(Enabled(program().Control("btnStop")));

  ClickTrayIcon(folder(), TrayButton::Left);
  ASSERT_TRUE(Visible(window));
  program().Click("btnStop");
  EXPECT_EQ(block->TransState, 0u);
  EXPECT_STREQ(block->SendLang, Ansi(u"中文(简体)").c_str()) << "Stop clears only the mark";
  EXPECT_EQ(block->SaveHistory, 1);
  EXPECT_TRUE(Enabled(program().Control("btnStart")));
  EXPECT_FALSE(Enabled(program().Control("btnStop")));
  EXPECT_TRUE(Visible(window)) << "Stop leaves the window as it is";

  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(program().ExitCode(), 0u);
  EXPECT_EQ(IniValue(ConfigFile(), L"TimeOut"), "15");
  EXPECT_EQ(IniValue(ConfigFile(), L"TranslateMode"), "1");
  EXPECT_EQ(IniValue(ConfigFile(), L"SendMessageMode"), "1");
  EXPECT_EQ(IniValue(ConfigFile(), L"TransMothed"), kDefaultHostProtected);
  EXPECT_EQ(IniValue(ConfigFile(), L"SendIndex"), "0");
  EXPECT_EQ(IniValue(ConfigFile(), L"RecvIndex"), "2");
  EXPECT_EQ(IniValue(ConfigFile(), L"LangIndex"), "0");
}

TEST_F(ControlWindowTest, StoredProtectedHostReachesThePluginAndIsSavedAsFound) {
  ASSERT_NE(Start(Edition::Pro, std::string("TransMothed=") + kOtherHostProtected + "\r\n"),
            nullptr);
  PluginView block;
  ASSERT_TRUE(block);
  EXPECT_STREQ(block->TransHostName, "mt.example.org");
  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(IniValue(ConfigFile(), L"TransMothed"), kOtherHostProtected);
}

TEST_F(ControlWindowTest, WindowCreationClearsTheMarkOfAKilledInstanceWhileAReaderHoldsTheBlock) {
  // The plug-in still holds the block a killed Tandemix left switched on.
  const KernelHandle held(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                             fixture::kBlockSize, fixture::kBlockMappingName));
  ASSERT_TRUE(held);
  ASSERT_NE(GetLastError(), DWORD{ERROR_ALREADY_EXISTS}) << "a Tandemix is running";
  const MappedView view(MapViewOfFile(held.get(), FILE_MAP_WRITE, 0, 0, 0));
  auto* left = static_cast<TransControlBlock*>(view.get());
  ASSERT_NE(left, nullptr);
  left->TransState = 0x02132141;
  left->OwnerProcessId = 4242;
  std::strcpy(left->OwnerExeName, "Tandemix.exe");
  std::strcpy(left->SendLang, "English");

  ASSERT_NE(Start(Edition::Pro), nullptr);
  EXPECT_EQ(left->TransState, 0u);
  EXPECT_EQ(left->OwnerProcessId, program().id());
  EXPECT_STREQ(left->SendLang, "English") << "creation writes no languages";
}

TEST_F(ControlWindowTest, OptionBoxesTickThemselvesAndReachTheBlockAtOnce) {
  ASSERT_NE(Start(Edition::Pro), nullptr);
  PluginView block;
  ASSERT_TRUE(block);
  program().ShowPage("SystemSetSheet");
  EXPECT_FALSE(Visible(program().Control("cbbSendLang"))) << "the first page stays in front";

  struct Box {
    const char* name;
    const unsigned char TransControlBlock::*field;
    unsigned char after;
  };
  for (const Box& box : {Box{"chkNeedConfirm", &TransControlBlock::NeedConfirm, 1},
                         Box{"chkAutoRead", &TransControlBlock::AutoRead, 1},
                         Box{"chkSaveHistory", &TransControlBlock::SaveHistory, 0}}) {
    SCOPED_TRACE(box.name);
    program().Click(box.name);
    EXPECT_EQ(SendMessageW(program().Control(box.name), BM_GETCHECK, 0, 0),
              box.after ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ(block.get()->*box.field, box.after);
  }
  EXPECT_EQ(block->TransState, 0u) << "options do not switch translation on";

  program().Click("btnStart");
  EXPECT_EQ(block->TransState, 0x02132141u);
  EXPECT_EQ(block->NeedConfirm, 1);
  EXPECT_EQ(block->AutoRead, 1);
  EXPECT_EQ(block->SaveHistory, 0);
}

struct MissingChoice {
  const char* name;
  const char* config;
  const char* page;  // the page that shows when Start is pressed
  const wchar_t* hintKey;
  UINT icon;
  const char* focused;
  const char* savedSendIndex;
};

std::ostream& operator<<(std::ostream& out, const MissingChoice& row) { return out << row.name; }

class MissingLanguageTest : public WindowTest,
                            public ::testing::WithParamInterface<MissingChoice> {};

TEST_P(MissingLanguageTest, StartNamesTheEmptyListShowsItAndSwitchesNothing) {
  const MissingChoice& choice = GetParam();
  HWND window = Start(Edition::Pro, choice.config);
  ASSERT_NE(window, nullptr);
  PluginView block;
  program().ShowPage(choice.page);

  program().ClickWithoutWaiting("btnStart");
  HWND box = program().WaitForDialog();
  ASSERT_NE(box, nullptr);
  const fs::path hints = folder() / L"CHS.ini";
  const std::wstring expected = ShippedText(hints, L"Hint", choice.hintKey);
  ASSERT_NE(expected, L"");
  ASSERT_NO_FATAL_FAILURE(
      ExpectOnlyBox(box, folder(),
                    {expected, ShippedText(hints, L"Hint", L"HINT_CAPTION"), choice.icon, window}));
  ClickDialogButton(box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return program().Dialog() == nullptr; }));

  EXPECT_EQ(block->TransState, 0u);
  EXPECT_TRUE(Visible(window));
  EXPECT_TRUE(Enabled(program().Control("btnStart")));
  EXPECT_TRUE(WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus == program().Control(choice.focused);
  }));
  // The list with the focus is the one the user sees.
  EXPECT_EQ(SendMessageW(program().Control("MainPageControl"), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(Visible(program().Control("FunctionSheet")));
  for (const char* page : {"SystemSetSheet", "AboutSheet"}) {
    EXPECT_FALSE(Visible(program().Control(page))) << page;
  }
  EXPECT_EQ(ReadBoxCalls(folder()).size(), 1u) << "one message only";

  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(IniValue(ConfigFile(), L"SendIndex"), choice.savedSendIndex);
}

// Both lists empty: only the send list is named, with the information icon;
// the receive list alone: the warning icon. A saved index outside the list
// leaves it without a selection, and the exit keeps it as it was.
INSTANTIATE_TEST_SUITE_P(
    EmptyLists, MissingLanguageTest,
    ::testing::Values(
        MissingChoice{"BothFromTheFunctionPage", "SendIndex=99\r\nRecvIndex=99\r\n",
                      "FunctionSheet", L"NOT_SELECT_SENDLANG", MB_ICONINFORMATION, "cbbSendLang",
                      "99"},
        MissingChoice{"ReceiveFromTheFunctionPage", "SendIndex=0\r\nRecvIndex=-1\r\n",
                      "FunctionSheet", L"NOT_SELECT_RECVLANG", MB_ICONWARNING, "cbbRecvLang", "0"},
        MissingChoice{"SendFromTheAboutPage", "SendIndex=99\r\n", "AboutSheet",
                      L"NOT_SELECT_SENDLANG", MB_ICONINFORMATION, "cbbSendLang", "99"},
        MissingChoice{"ReceiveFromTheOptionsPage", "RecvIndex=-1\r\n", "SystemSetSheet",
                      L"NOT_SELECT_RECVLANG", MB_ICONWARNING, "cbbRecvLang", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlWindowTest, CloseHidesToTheTrayAndTranslationStaysOn) {
  HWND window = Start(Edition::Pro);
  ASSERT_NE(window, nullptr);
  PluginView block;
  program().Click("btnStart");
  ClickTrayIcon(folder(), TrayButton::Left);
  ASSERT_TRUE(Visible(window));

  // The title bar's close button.
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }));
  EXPECT_TRUE(program().Running()) << "closing only hides the window";
  EXPECT_EQ(block->TransState, 0x02132141u);
  EXPECT_TRUE(Enabled(program().Control("btnStop")));
}

TEST_F(ControlWindowTest, EndOfTheSessionSavesTheListsAsChosenInTheWindow) {
  HWND window = Start(Edition::Pro, "SendIndex=3\r\nRecvIndex=4\r\n");
  ASSERT_NE(window, nullptr);
  program().SelectItem("cbbSendLang", 6);
  program().SelectItem("cbbRecvLang", 5);
  size_t earlierTrayCalls = ReadTrayCalls(folder()).size();

  // What the system sends every top-level window when the user logs off.
  EXPECT_TRUE(SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
  // The program may already be gone; it must not have hidden.
  SendMessageW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(program().ExitCode(), 0u);
  EXPECT_EQ(IniValue(ConfigFile(), L"SendIndex"), "6");
  EXPECT_EQ(IniValue(ConfigFile(), L"RecvIndex"), "5");
  for (const TrayCall& call : ReadTrayCalls(folder())) {
    if (earlierTrayCalls > 0) {
      --earlierTrayCalls;
      continue;
    }
    EXPECT_EQ(call.flags & NIF_INFO, 0u) << "the window hid to the tray instead of ending";
  }
}

TEST_F(ControlWindowTest, StandardEditionHasNoOptionsPageAndSendsItsFixedOptions) {
  HWND window = Start(Edition::Standard);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Tandemix");
  EXPECT_EQ(SendMessageW(program().Control("MainPageControl"), TCM_GETITEMCOUNT, 0, 0), 2);
  // The arrow keys go round the two tabs there are.
  try {
    program().ShowPage("SystemSetSheet");
    ADD_FAILURE() << "the options page showed";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "SystemSetSheet did not show");
  }
  program().ShowPage("AboutSheet");

  PluginView block;
  program().Click("btnStart");
  EXPECT_EQ(block->TransState, 0x02132141u);
  EXPECT_EQ(block->NeedConfirm, 0);
  EXPECT_EQ(block->AutoRead, 0);
  EXPECT_EQ(block->SaveHistory, 1);
}

TEST_F(ControlWindowTest, StandardEditionWithoutUpdaterWarnsInChineseAndEnds) {
  const fs::path exe = LayOutProgramFolder(folder(), Edition::Standard, {"Glossator.dll"});
  std::ofstream(ConfigFile(), std::ios::binary) << "[Option]\r\nLangIndex=1\r\nSendIndex=1\r\n";
  Program program(exe);
  HWND box = program.WaitForDialog();
  ASSERT_NE(box, nullptr);
  ASSERT_NO_FATAL_FAILURE(ExpectOnlyBox(
      box, folder(), {L"缺少升级程序组件，软件将不能运行!", L"提示", MB_ICONWARNING}));
  ClickDialogButton(box, IDOK);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_EQ(IniValue(ConfigFile(), L"SendIndex"), "1")
      << "the window's end still saves the settings";
  EXPECT_TRUE(ReadAnsiOpenCalls(folder()).empty()) << "a missing updater was started";
}

// The system refuses the window (as where there is no desktop): the error is
// shown as any error of the window's creation, and the program ends with
// code 1 without touching the settings.
TEST_F(ControlWindowTest, AWindowTheSystemRefusesIsReportedAndEndsTheProgram) {
  const fs::path exe =
      LayOutProgramFolder(folder(), Edition::Pro, {"Updater.exe", "Glossator.dll"});
  std::ofstream(folder() / L"Glossator.dll.refuse");
  const std::string config = "[Option]\r\nSendIndex=1\r\n";
  std::ofstream(folder() / L"ConfigEN.ini", std::ios::binary) << config;
  Program program(exe);
  HWND box = program.WaitForDialog();
  ASSERT_NE(box, nullptr);
  ASSERT_NO_FATAL_FAILURE(ExpectOnlyBox(
      box, folder(), {L"The control window cannot be created.", L"Information", MB_ICONERROR}));
  ClickDialogButton(box, IDOK);
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 1u);
  EXPECT_EQ(ReadFileBytes(folder() / L"ConfigEN.ini"), config);
}

// Where the client's folder is no candidate any more at Start and its
// registry entry holds a number, the registry read fails inside Start: the
// error shows, and Start has gone as far as hiding the window.
TEST_F(ControlWindowTest, ARegistryReadFailingAtStartIsShownAndNoCompanionStarts) {
  HWND window = Start(Edition::Pro, "", {"Updater.exe", "Glossator.dll", "Hostprep.exe"});
  ASSERT_NE(window, nullptr);
  messenger_.reset();
  const ScopedUninstallEntry damaged(DWORD{42});
  PluginView block;
  ASSERT_TRUE(block);

  program().ClickWithoutWaiting("btnStart");
  HWND box = program().WaitForDialog();
  ASSERT_NE(box, nullptr);
  ASSERT_NO_FATAL_FAILURE(ExpectOnlyBox(
      box, folder(),
      {L"The Messenger uninstall entry cannot be read: UninstallString is not a text.",
       L"Tandemix Pro", MB_ICONERROR, window}));
  EXPECT_EQ(block->TransState, 0x02132141u);
  EXPECT_FALSE(Enabled(program().Control("btnStart")));
  EXPECT_TRUE(Enabled(program().Control("btnStop")));
  EXPECT_FALSE(Visible(window));
  ClickDialogButton(box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return program().Dialog() == nullptr; }));

  // Handled once Start has returned: the program goes on.
  ClickTrayIcon(folder(), TrayButton::Left);
  EXPECT_TRUE(Visible(window));
  EXPECT_TRUE(ReadStartLog(folder() / L"Hostprep.exe").empty()) << "Hostprep was started";
  EXPECT_STREQ(block->SendLang, "") << "the languages were written";
  EXPECT_STREQ(block->RecvLang, "");
  EXPECT_EQ(block->TransTimeOut, 0);
  EXPECT_EQ(block->SaveHistory, 0) << "the options were written";
  program().Click("btnStop");
  EXPECT_EQ(block->TransState, 0u);
  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(program().ExitCode(), 0u);
}

// A machine out of memory: the program's own allocation fails while a link is
// drawn (the Glossator stand-in makes one fail). The error must not unwind
// into the system: it shows as any unexpected error does, and the window goes on.
TEST_F(ControlWindowTest, AnErrorWhileDrawingIsShownAndTheWindowGoesOn) {
  LayOutProgramFolder(folder(), Edition::Pro, {"Updater.exe", "Glossator.dll"});
  std::ofstream(folder() / L"Glossator.dll.nomemory") << ControlId("lblEmail");
  HWND window = Launch();
  ASSERT_NE(window, nullptr);
  // The About page through the tab control's own keys; posted, as the
  // keyboard's come, so that nothing here waits on the drawing.
  HWND tabs = program().Control("MainPageControl");
  for (int step = 0; step < 2; ++step) PostMessageW(tabs, WM_KEYDOWN, VK_RIGHT, 0);

  HWND box = program().WaitForDialog();
  ASSERT_NE(box, nullptr) << (program().Running() ? "no message" : "the program ended");
  ASSERT_NO_FATAL_FAILURE(
      ExpectOnlyBox(box, folder(), {L"std::bad_alloc", L"Tandemix Pro", MB_ICONERROR, window}));
  ClickDialogButton(box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return program().Dialog() == nullptr; }));

  ASSERT_TRUE(Visible(program().Control("AboutSheet")));
  program().Click("lblEmail");
  const std::vector<OpenCall> opened = ReadOpenCalls(folder());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].parameters, L"mailto:support@tandemix.com");
  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
  EXPECT_EQ(program().ExitCode(), 0u);
}

TEST_F(ControlWindowTest, EnglishInterfaceTurnsTextsAndListsIntoEnglish) {
  HWND window = Start(Edition::Pro, "LangIndex=1\r\n");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Tandemix Pro") << "the caption is the edition's";
  EXPECT_EQ(WindowText(program().Control("btnStart")), L"&Start");
  EXPECT_EQ(WindowText(program().Control("chkAutoRead")).find_first_of(L"\x4E00\x81EA"),
            std::wstring::npos);

  PluginView block;
  program().Click("btnStart");
  EXPECT_STREQ(block->SendLang, "Chinese (Simplified)");
  EXPECT_STREQ(block->RecvLang, "English");
}

// The banner as the window shows it: the top strip of its client area.
std::vector<COLORREF> Banner(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right, height = 59;
  HDC screen = GetDC(window);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(copy, x, y));
  }
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(window, screen);
  return pixels;
}

TEST_F(ControlWindowTest, DamagedLogoFileKeepsTheStoredBanner) {
  // The same program once without the logo file (the stored banner shows),
  // once with another picture as the file, whole, and once with that picture
  // cut in half. Without the updater (the Pro edition runs without one)
  // nothing the program starts is still running from the folder the next run
  // lays out again.
  const fs::path logo = L"LOGO_ENU_PRO.jpg";
  std::vector<COLORREF> stored, whole, damaged;
  for (std::vector<COLORREF>* banner : {&stored, &whole, &damaged}) {
    NextCase();
    LayOutProgramFolder(folder(), Edition::Pro);
    const std::string other = ReadFileBytes(folder() / L"LOGO_ENU.jpg");
    ASSERT_GT(other.size(), 100u);
    if (banner == &stored) fs::remove(folder() / logo);
    if (banner == &whole) std::ofstream(folder() / logo, std::ios::binary) << other;
    if (banner == &damaged)
      std::ofstream(folder() / logo, std::ios::binary) << other.substr(0, other.size() / 2);
    HWND window = Launch();
    ASSERT_NE(window, nullptr);
    *banner = Banner(window);
    program().Exit();
    ASSERT_TRUE(program().WaitForExit());
  }
  EXPECT_NE(whole, stored) << "the logo file did not replace the stored banner";
  EXPECT_EQ(damaged, stored) << "the damaged file did not leave the stored banner";
}

// A logo file of the largest size the program takes, 4096 x 4096: red on the
// left, blue on the right.
std::string LargeLogo() {
  constexpr int kSide = 4096;
  Raster raster{kSide, kSide, 3, JCS_RGB, {}};
  raster.samples.reserve(size_t(kSide) * kSide * 3);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool red = x < kSide / 2;
      raster.samples.insert(raster.samples.end(),
                            {uint8_t(red ? 255 : 0), 0, uint8_t(red ? 0 : 255)});
    }
  }
  const std::vector<uint8_t> bytes = EncodeJpeg(raster);
  return std::string(bytes.begin(), bytes.end());
}

// What the process holds for itself alone. Wine fills PagefileUsage (the
// resident anonymous memory) and leaves PrivateUsage empty; on Windows both
// are the private bytes.
size_t PrivateBytes(DWORD processId) {
  const KernelHandle process(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process.get(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

TEST_F(ControlWindowTest, ALargeLogoFileShowsWithoutStayingInMemoryAtFullSize) {
  // What the same program holds with its stored banner, from a folder of its
  // own: the emulator or loader a Wine runs under counts in both figures.
  size_t plain = 0;
  {
    Program program(LayOutProgramFolder(folder() / L"plain", Edition::Pro));
    ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
    plain = PrivateBytes(program.id());
    program.Exit();
    ASSERT_TRUE(program.WaitForExit());
  }
  LayOutProgramFolder(folder(), Edition::Pro);
  std::ofstream(folder() / L"LOGO_ENU_PRO.jpg", std::ios::binary) << LargeLogo();
  HWND window = Launch();
  ASSERT_NE(window, nullptr);
  const std::vector<COLORREF> banner = Banner(window);
  RECT client;
  GetClientRect(window, &client);
  const COLORREF left = banner[30 * client.right + 10];
  const COLORREF right = banner[30 * client.right + client.right - 10];
  EXPECT_GT(GetRValue(left), 200) << std::hex << left;
  EXPECT_LT(GetBValue(left), 60) << std::hex << left;
  EXPECT_GT(GetBValue(right), 200) << std::hex << right;
  EXPECT_LT(GetRValue(right), 60) << std::hex << right;
  // The picture at full size is 64 MB; scaled to its place, a few hundred KB.
  const size_t withLogo = PrivateBytes(program().id());
  EXPECT_LT(withLogo, plain + (size_t(24) << 20)) << withLogo << " against " << plain;
}

// The font each control ends up with: its own from the interface-language
// file, else the window's; a link keeps the designed Tahoma 8 pt unless the
// file names it. Heights at the prefix's 96 DPI: 8 pt -11, 10 pt -13, 12 pt -16,
// 14 pt -19.
struct FontCase {
  const char* name;
  std::u16string file;  // CHS.txt; none when empty
  std::vector<ExpectedFont> fonts;
};

std::ostream& operator<<(std::ostream& out, const FontCase& row) { return out << row.name; }

class InterfaceFontTest : public WindowTest, public ::testing::WithParamInterface<FontCase> {};

TEST_P(InterfaceFontTest, ControlsGetTheFontsOfTheInterfaceFile) {
  LayOutProgramFolder(folder(), Edition::Pro, {"Updater.exe", "Glossator.dll"});
  fs::remove(folder() / L"CHS.txt");
  if (!GetParam().file.empty())
    std::ofstream(folder() / L"CHS.txt", std::ios::binary) << Utf16File(GetParam().file);
  ASSERT_NE(Launch(), nullptr);
  ExpectLastFonts(folder(), GetParam().fonts);
  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
}

INSTANTIATE_TEST_SUITE_P(
    InterfaceFiles, InterfaceFontTest,
    ::testing::Values(FontCase{"NoInterfaceFile",
                               u"",
                               {{"btnStart", L"Tahoma", -11, FW_NORMAL},
                                {"lblSendLang", L"Tahoma", -11, FW_NORMAL},
                                {"cbbRecvLang", L"Tahoma", -11, FW_NORMAL},
                                {"MainPageControl", L"Tahoma", -11, FW_NORMAL},
                                {"lblEmail", L"Tahoma", -11, FW_NORMAL}}},
                      FontCase{"TheWindowAButtonAndALink",
                               u"TfrmYahooIM_Main.!Font=Arial,10\r\n"
                               u"TfrmYahooIM_Main.btnStart.!Font=Courier New,12,B\r\n"
                               u"TfrmYahooIM_Main.lblHomePage.!Font=Arial,14\r\n",
                               {{"btnStart", L"Courier New", -16, FW_BOLD},
                                {"btnStop", L"Arial", -13, FW_NORMAL},
                                {"lblSendLang", L"Arial", -13, FW_NORMAL},
                                {"cbbRecvLang", L"Arial", -13, FW_NORMAL},
                                {"chkAutoRead", L"Arial", -13, FW_NORMAL},
                                {"MainPageControl", L"Arial", -13, FW_NORMAL},
                                {"lblEmail", L"Tahoma", -11, FW_NORMAL},
                                {"lblHomePage", L"Arial", -19, FW_NORMAL}}}),
    [](const auto& info) { return std::string(info.param.name); });

class AboutPageTest : public WindowTest, public ::testing::WithParamInterface<Edition> {};

TEST_P(AboutPageTest, ShowsTheEditionsVersionAndItsLinksOpenTheAddresses) {
  const Edition edition = GetParam();
  ASSERT_NE(Start(edition), nullptr);
  program().ShowPage("AboutSheet");
  EXPECT_EQ(WindowText(program().Control("lblVersionStr")),
            edition == Edition::Pro ? L"4.1.1" : L"4.2.1");
  program().Click("lblEmail");
  program().Click("lblHomePage");
  const std::vector<OpenCall> opened = ReadOpenCalls(folder());
  ASSERT_EQ(opened.size(), 2u);
  for (const OpenCall& call : opened) {
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, L"Explorer.exe");
  }
  EXPECT_EQ(opened[0].parameters, L"mailto:support@tandemix.com");
  EXPECT_EQ(opened[1].parameters, L"https://www.tandemix.com");
  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
}

INSTANTIATE_TEST_SUITE_P(Editions, AboutPageTest,
                         ::testing::Values(Edition::Pro, Edition::Standard), [](const auto& info) {
                           return std::string(info.param == Edition::Pro ? "Pro" : "Standard");
                         });

}  // namespace
}  // namespace tandemix::test
