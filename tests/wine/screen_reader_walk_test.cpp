// The control window as a screen reader meets it: its windows in z-order,
// each with its class (what the reader calls it), its name (its caption
// without the underline mark; a list takes the text of the label just before
// it) and whether Tab stops on it, and the names of the tab strip's pages,
// in each interface language.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/wine/window_test.h"

namespace tandemix::test {
namespace {

// The text of a tab, read through memory in the program: the message
// carries a pointer, which another process cannot give it.
std::wstring TabText(HWND tabs, int index) {
  DWORD processId = 0;
  GetWindowThreadProcessId(tabs, &processId);
  const KernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
  constexpr int kChars = 128;
  auto* remote = static_cast<char*>(VirtualAllocEx(process.get(), nullptr,
                                                   sizeof(TCITEMW) + kChars * sizeof(wchar_t),
                                                   MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!remote) return L"<unreadable>";
  auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = remoteText;
  item.cchTextMax = kChars;
  WriteProcessMemory(process.get(), remote, &item, sizeof item, nullptr);
  SendMessageW(tabs, TCM_GETITEMW, index, LPARAM(remote));
  wchar_t text[kChars] = {};
  ReadProcessMemory(process.get(), remoteText, text, (kChars - 1) * sizeof(wchar_t), nullptr);
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return text;
}

// A caption as it is read out: the mark of the underlined letter is not.
std::wstring Spoken(std::wstring text) {
  const size_t mark = text.find(L'&');
  if (mark != std::wstring::npos) text.erase(mark, 1);
  return text;
}

struct Seen {
  std::string component;  // by its control id; "?" for a window the window has no name for
  std::wstring className;
  std::wstring name;
  bool tabStop;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
  return out << seen.component << " " << testing::PrintToString(seen.className) << " "
             << testing::PrintToString(seen.name) << (seen.tabStop ? " tab" : "");
}

constexpr const char* kComponents[] = {
    "MainPageControl", "FunctionSheet",  "SystemSetSheet", "AboutSheet",    "grpTranOption",
    "lblSendLang",     "cbbSendLang",    "lblRecvLang",    "cbbRecvLang",   "chkNeedConfirm",
    "chkAutoRead",     "chkSaveHistory", "lblVersionHint", "lblVersionStr", "lblContactEmail",
    "lblEmail",        "lblWebSite",     "lblHomePage",    "btnStart",      "btnStop",
    "btnExit"};

std::string ComponentOf(HWND window) {
  for (const char* name : kComponents) {
    if (GetDlgCtrlID(window) == ControlId(name)) return name;
  }
  return "?";
}

// What a reader announces for a window. A list has no caption of its own
// (its text is the chosen entry): its name is that of the label before it.
std::wstring NameOf(HWND window) {
  if (ClassNameOf(window) == L"ComboBox") {
    HWND before = GetWindow(window, GW_HWNDPREV);
    return before && ClassNameOf(before) == L"Static" ? WindowText(before) : L"";
  }
  return Spoken(WindowText(window));
}

// Depth first, each level in z-order: the order of a reader's walk and of Tab.
void Walk(HWND parent, std::vector<Seen>& seen) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool tabStop = (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) != 0;
    const std::string component = ComponentOf(child);
    // A page is a plain pane: the reader names it by its tab.
    const bool page = component.size() > 5 && component.ends_with("Sheet");
    seen.push_back({component, page ? L"" : ClassNameOf(child), NameOf(child), tabStop});
    Walk(child, seen);
  }
}

struct Language {
  const char* label;
  const char* langIndex;
  std::vector<std::wstring> tabs;
  std::vector<Seen> walk;
};

std::ostream& operator<<(std::ostream& out, const Language& language) {
  return out << language.label;
}

std::vector<Seen> ExpectedWalk(const std::vector<std::wstring>& texts) {
  // The texts in the order of the walk's named windows.
  size_t i = 0;
  const auto next = [&] { return texts.at(i++); };
  std::vector<Seen> walk;
  walk.push_back({"MainPageControl", L"SysTabControl32", L"", true});
  walk.push_back({"FunctionSheet", L"", L"", false});
  walk.push_back({"grpTranOption", L"Button", next(), false});
  const std::wstring send = next();
  walk.push_back({"lblSendLang", L"Static", send, false});
  walk.push_back({"cbbSendLang", L"ComboBox", send, true});
  const std::wstring receive = next();
  walk.push_back({"lblRecvLang", L"Static", receive, false});
  walk.push_back({"cbbRecvLang", L"ComboBox", receive, true});
  walk.push_back({"SystemSetSheet", L"", L"", false});
  for (const char* box : {"chkNeedConfirm", "chkAutoRead", "chkSaveHistory"})
    walk.push_back({box, L"Button", next(), true});
  walk.push_back({"AboutSheet", L"", L"", false});
  walk.push_back({"lblVersionHint", L"Static", next(), false});
  walk.push_back({"lblVersionStr", L"Static", L"4.1.1", false});
  walk.push_back({"lblContactEmail", L"Static", next(), false});
  walk.push_back({"lblEmail", L"Button", L"support@tandemix.com", true});
  walk.push_back({"lblWebSite", L"Static", next(), false});
  walk.push_back({"lblHomePage", L"Button", L"https://www.tandemix.com", true});
  for (const char* button : {"btnStart", "btnStop", "btnExit"})
    walk.push_back({button, L"Button", next(), true});
  return walk;
}

class ScreenReaderWalkTest : public WindowTest, public ::testing::WithParamInterface<Language> {};

TEST_P(ScreenReaderWalkTest, EveryControlInOrderWithItsName) {
  HWND window = Start(Edition::Pro, std::string("LangIndex=") + GetParam().langIndex + "\r\n");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), L"Tandemix Pro");

  std::vector<Seen> walk;
  Walk(window, walk);
  const std::vector<Seen>& expected = GetParam().walk;
  for (size_t i = 0; i < std::max(walk.size(), expected.size()); ++i) {
    EXPECT_EQ(i < walk.size() ? testing::PrintToString(walk[i]) : "<nothing>",
              i < expected.size() ? testing::PrintToString(expected[i]) : "<nothing>")
        << "window " << i << " of the walk";
  }

  HWND tabs = program().Control("MainPageControl");
  std::vector<std::wstring> tabNames;
  const auto count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) tabNames.push_back(TabText(tabs, i));
  EXPECT_EQ(tabNames, GetParam().tabs);

  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScreenReaderWalkTest,
    ::testing::Values(
        Language{"Chinese",
                 "0",
                 {L"功能选项", L"设置", L"关于"},
                 ExpectedWalk({L"翻译语种", L"发送消息", L"接收消息", L"需要确认翻译的内容后再发送",
                               L"自动朗读发送和接收到的译文", L"自动保存原文和译文到聊天记录",
                               L"版本：", L"联系Email：", L"网站地址：", L"启动翻译(S)",
                               L"停止翻译(T)", L"退       出(X)"})},
        Language{"English",
                 "1",
                 {L"Functions", L"Settings", L"About"},
                 ExpectedWalk({L"Translation languages", L"Outgoing", L"Incoming",
                               L"Confirm the translation before sending",
                               L"Read sent and received translations aloud",
                               L"Save messages and translations to the chat history", L"Version:",
                               L"E-mail:", L"Web site:", L"Start", L"Stop", L"Exit"})}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tandemix::test
