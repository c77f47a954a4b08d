#include "tests/wine/program_driver.h"

#include <commctrl.h>

#include <stdexcept>

#include "tests/wine/wine_test_support.h"
#include "window/form_layout.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

// The Unix source tree as Wine shows it (drive Z: is the Unix root).
fs::path SourceDir() { return fs::path("Z:" + std::string(TANDEMIX_SOURCE_DIR)).make_preferred(); }

void CopyInto(const fs::path& source, const fs::path& destination) {
  fs::create_directories(destination.parent_path());
  fs::copy_file(source, destination, fs::copy_options::overwrite_existing);
}

BOOL CALLBACK CollectChild(HWND child, LPARAM into) {
  reinterpret_cast<std::vector<HWND>*>(into)->push_back(child);
  return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

// What a dialog must have to count; a dialog is shown only once all its
// controls exist, so a found one can be answered at once.
enum class DialogState { No, Shown, ShownWithEdit };

struct TopLevelSearch {
  DWORD processId;
  std::wstring_view className;
  DialogState dialog;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TopLevelSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || ClassNameOf(window) != search->className) return TRUE;
  if (search->dialog != DialogState::No && !IsWindowVisible(window)) return TRUE;
  if (search->dialog == DialogState::ShownWithEdit && !FindChildOfClass(window, L"Edit"))
    return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevel(DWORD processId, std::wstring_view className, DialogState dialog) {
  TopLevelSearch search{processId, className, dialog};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForTopLevel(DWORD processId, std::wstring_view className, DialogState dialog,
                     milliseconds limit) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopLevel(processId, className, dialog)) != nullptr; }, limit);
  return found;
}

// A key pressed and released on a control, as the focused control receives it;
// returns once the control has handled it.
void PressKey(HWND control, WPARAM key) {
  SendMessageW(control, WM_KEYDOWN, key, 0);
  SendMessageW(control, WM_KEYUP, key, 0);
}

}  // namespace

fs::path ProgramExe(Edition edition) {
  return BuildDir() / (edition == Edition::Pro ? L"pro" : L"standard") / L"Tandemix.exe";
}

fs::path Fixture(const std::string& fileName) { return BuildDir() / L"fixtures" / fileName; }

fs::path LayOutProgramFolder(const fs::path& folder, Edition edition,
                             const std::vector<std::string>& fixtures) {
  const fs::path exe = folder / L"Tandemix.exe";
  CopyInto(ProgramExe(edition), exe);
  for (const auto& shipped : fs::directory_iterator(SourceDir() / L"resources" / L"ship")) {
    CopyInto(shipped.path(), folder / shipped.path().filename());
  }
  const fs::path plugin = SourceDir() / L"tests" / L"fixtures" / L"plugin";
  for (const auto& file : fs::recursive_directory_iterator(plugin)) {
    if (file.is_regular_file()) CopyInto(file.path(), folder / fs::relative(file.path(), plugin));
  }
  for (const std::string& name : fixtures) CopyInto(Fixture(name), folder / name);
  return exe;
}

int ControlId(std::string_view componentName) {
  const auto components = FormComponents();
  for (size_t i = 0; i < components.size(); ++i) {
    if (components[i].name == componentName) return kFirstControlId + static_cast<int>(i);
  }
  throw std::invalid_argument("no such component: " + std::string(componentName));
}

HWND FindShownWindow(DWORD processId, std::wstring_view className) {
  return FindTopLevel(processId, className, DialogState::Shown);
}

HWND FindControl(HWND window, int id) {
  for (HWND child : Descendants(window)) {
    if (GetDlgCtrlID(child) == id) return child;
  }
  return nullptr;
}

HWND FindChildOfClass(HWND window, std::wstring_view className) {
  for (HWND child : Descendants(window)) {
    if (ClassNameOf(child) == className) return child;
  }
  return nullptr;
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT crosses processes; GetWindowText would not read another's controls.
  const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return text;
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring DialogMessage(HWND dialog) {
  std::wstring message;
  for (HWND child : Descendants(dialog)) {
    if (_wcsicmp(ClassNameOf(child).c_str(), L"Static") != 0) continue;
    const std::wstring text = WindowText(child);
    if (text.empty()) continue;
    if (!message.empty()) message += L"\n";
    message += text;
  }
  return message;
}

void ClickDialogButton(HWND dialog, int buttonId) {
  HWND button = GetDlgItem(dialog, buttonId);
  if (!button) throw std::runtime_error("the dialog has no such button");
  PostMessageW(button, BM_CLICK, 0, 0);
}

void SetEditText(HWND dialog, const std::wstring& text) {
  HWND edit = FindChildOfClass(dialog, L"Edit");
  if (!edit) throw std::runtime_error("the dialog has no edit field");
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string ReadFileBytes(const fs::path& path) {
  const KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
  if (!file) return {};
  std::string bytes(GetFileSize(file.get(), nullptr), '\0');
  DWORD got = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) got = 0;
  bytes.resize(got);
  return bytes;
}

std::vector<std::string> ReadLogLines(const fs::path& log) {
  const std::string bytes = ReadFileBytes(log);
  std::vector<std::string> lines;
  for (size_t begin = 0, end; (end = bytes.find("\r\n", begin)) != std::string::npos;
       begin = end + 2) {
    lines.push_back(bytes.substr(begin, end - begin));
  }
  return lines;
}

std::vector<StartRecord> ReadStartLog(const fs::path& standInExe) {
  std::vector<StartRecord> records;
  for (const std::string& line : ReadLogLines(fs::path(standInExe) += L".log")) {
    // The command line comes first and may hold anything; the last two fields cannot.
    const size_t tab2 = line.rfind('\t');
    const size_t tab1 = tab2 == 0 || tab2 == std::string::npos ? tab2 : line.rfind('\t', tab2 - 1);
    if (tab1 == std::string::npos) continue;
    records.push_back(
        {line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
  }
  return records;
}

Program::Program(const fs::path& exe, const fs::path& workingFolder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start " + exe.string());
  }
  started_ = ProcessHandles(info);
}

Program::~Program() {
  if (Running()) {
    // Clean-up, not a test: the button may be hidden in the tray by now.
    if (HWND window = ControlWindow()) {
      PostMessageW(FindControl(window, ControlId("btnExit")), BM_CLICK, 0, 0);
    }
    if (!WaitForExit(std::chrono::seconds(5))) TerminateProcess(started_.process.get(), 99);
    WaitForSingleObject(started_.process.get(), 5000);
  }
}

bool Program::Running() const {
  return WaitForSingleObject(started_.process.get(), 0) == WAIT_TIMEOUT;
}

HWND Program::ControlWindow() const {
  return FindTopLevel(id(), kControlWindowClass, DialogState::No);
}

HWND Program::WaitForControlWindow(milliseconds limit) const {
  return WaitForTopLevel(id(), kControlWindowClass, DialogState::No, limit);
}

HWND Program::WaitForShownControlWindow(milliseconds limit) const {
  HWND window = WaitForControlWindow(limit);
  return window && WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, limit) ? window
                                                                                      : nullptr;
}

HWND Program::Dialog() const { return FindTopLevel(id(), L"#32770", DialogState::Shown); }

HWND Program::WaitForDialog(milliseconds limit) const {
  return WaitForTopLevel(id(), L"#32770", DialogState::Shown, limit);
}

HWND Program::WaitForInputBox(milliseconds limit) const {
  return WaitForTopLevel(id(), L"#32770", DialogState::ShownWithEdit, limit);
}

HWND Program::Control(std::string_view componentName) const {
  HWND window = ControlWindow();
  if (!window) throw std::runtime_error("the program shows no control window");
  HWND control = FindControl(window, ControlId(componentName));
  if (!control) throw std::runtime_error("no control " + std::string(componentName));
  return control;
}

HWND Program::Clickable(std::string_view componentName) const {
  HWND control = Control(componentName);
  // What the user cannot see or use, the user cannot click.
  if (!IsWindowVisible(control) || !IsWindowEnabled(control)) {
    throw std::runtime_error(std::string(componentName) + " is hidden or disabled");
  }
  return control;
}

void Program::Click(std::string_view componentName) const {
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(Clickable(componentName), BM_CLICK, 0, 0, SMTO_NORMAL,
                           static_cast<UINT>(kWindowWait.count()), &ignored)) {
    throw std::runtime_error("the click on " + std::string(componentName) + " was not handled");
  }
}

void Program::ClickWithoutWaiting(std::string_view componentName) const {
  PostMessageW(Clickable(componentName), BM_CLICK, 0, 0);
}

void Program::ShowPage(std::string_view pageName) const {
  HWND tabs = Control("MainPageControl");
  HWND page = Control(pageName);
  // The arrow keys move the selection one tab at a time, and the tab control
  // itself tells its parent. (A notification sent from here would carry a
  // pointer into this process, which the program cannot read.)
  const auto tabCount = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
  for (WPARAM key : {VK_LEFT, VK_RIGHT}) {
    for (LRESULT step = 0; step < tabCount && !IsWindowVisible(page); ++step) {
      PressKey(tabs, key);
    }
  }
  if (!IsWindowVisible(page)) throw std::runtime_error(std::string(pageName) + " did not show");
}

void Program::SelectItem(std::string_view listName, int index) const {
  HWND list = Clickable(listName);
  if (index < 0 || index >= SendMessageW(list, CB_GETCOUNT, 0, 0)) {
    throw std::runtime_error(std::string(listName) + " has no such entry");
  }
  PressKey(list, VK_HOME);
  for (int i = 0; i < index; ++i) PressKey(list, VK_DOWN);
  if (SendMessageW(list, CB_GETCURSEL, 0, 0) != index) {
    throw std::runtime_error(std::string(listName) + " did not select the entry");
  }
}

bool Program::WaitForExit(milliseconds limit) const {
  return WaitUntil([&] { return !Running(); }, limit);
}

bool Program::EndsWithoutWindow(const std::function<void()>& whileWaiting,
                                milliseconds limit) const {
  bool sawWindow = false;
  const bool ended = WaitUntil(
      [&] {
        whileWaiting();
        sawWindow |= ControlWindow() != nullptr;
        return !Running();
      },
      limit);
  return ended && !sawWindow;
}

DWORD Program::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(started_.process.get(), &code);
  return code;
}

}  // namespace tandemix::test
