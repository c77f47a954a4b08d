// Times one start of a program with the control window and reads its memory:
//   bench_timer [--settle-ms N] PROGRAM.exe [WORKING_FOLDER]
// The start is over once the process shows a top-level window that holds the
// Exit button and every list on it has its entries. N ms later (2000 unless
// told) the process's private bytes are read; then Exit is clicked as a user
// clicks it. Prints one line:
//   startup_ms=<ms> private_bytes=<bytes> exit_ms=<ms from the click to the end>
// and ends with 0; with 1 when the start failed, 2 when the program had to be
// killed after the click.

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/wide_win.h"
#include "window/form_layout.h"

namespace tandemix {
namespace {

constexpr DWORD kStartLimitMs = 30000;
constexpr DWORD kExitLimitMs = 30000;
constexpr UINT kAnswerLimitMs = 5000;

double MillisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

bool IsClass(HWND window, const wchar_t* className) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return _wcsicmp(name, className) == 0;
}

// Asks another process's window; false when it does not answer in time.
bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& answer) {
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerLimitMs,
                             &answer) != 0;
}

// What the search for the ready window finds in one look.
struct Look {
  DWORD processId;
  HWND exitButton = nullptr;
  bool listsFilled = true;
};

BOOL CALLBACK LookAtChild(HWND child, LPARAM param) {
  auto& look = *reinterpret_cast<Look*>(param);
  DWORD_PTR answer = 0;
  if (IsClass(child, L"ComboBox")) {
    look.listsFilled &= Ask(child, CB_GETCOUNT, 0, 0, answer) && LRESULT(answer) > 0;
  } else if (IsClass(child, L"Button")) {
    // The shipped language is the one the window is stored with.
    static const std::u16string exitText = FindComponent("btnExit").text;
    wchar_t text[64] = {};
    if (Ask(child, WM_GETTEXT, 64, LPARAM(text), answer) && Wide(exitText) == std::wstring(text))
      look.exitButton = child;
  }
  return TRUE;
}

BOOL CALLBACK LookAtTopLevel(HWND window, LPARAM param) {
  auto& look = *reinterpret_cast<Look*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != look.processId || !IsWindowVisible(window)) return TRUE;
  Look inside{look.processId};
  EnumChildWindows(window, LookAtChild, LPARAM(&inside));
  if (!inside.exitButton || !inside.listsFilled) return TRUE;
  look = inside;
  return FALSE;
}

HWND ReadyExitButton(DWORD processId) {
  Look look{processId};
  EnumWindows(LookAtTopLevel, LPARAM(&look));
  return look.exitButton;
}

int Run(int argc, wchar_t** argv) {
  DWORD settleMs = 2000;
  int arg = 1;
  if (argc > arg + 1 && std::wstring(argv[arg]) == L"--settle-ms") {
    settleMs = wcstoul(argv[arg + 1], nullptr, 10);
    arg += 2;
  }
  if (argc - arg < 1 || argc - arg > 2) {
    std::fputs("usage: bench_timer [--settle-ms N] PROGRAM.exe [WORKING_FOLDER]\n", stderr);
    return 1;
  }
  const wchar_t* exe = argv[arg];
  const wchar_t* folder = argc - arg == 2 ? argv[arg + 1] : nullptr;
  std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};

  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %ls (error %lu)\n", exe, GetLastError());
    return 1;
  }
  CloseHandle(process.hThread);
  HWND exitButton = nullptr;
  while (!(exitButton = ReadyExitButton(process.dwProcessId))) {
    if (WaitForSingleObject(process.hProcess, 1) != WAIT_TIMEOUT ||
        MillisecondsSince(start) > kStartLimitMs) {
      std::fprintf(stderr, "%ls showed no ready window\n", exe);
      TerminateProcess(process.hProcess, 1);
      return 1;
    }
  }
  const double startupMs = MillisecondsSince(start);

  Sleep(settleMs);
  // The private bytes: on Windows PagefileUsage is the same figure as
  // PrivateUsage (the commit charge); Wine 8 fills only this basic record, with
  // RssAnon + VmSwap of the Linux process.
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);

  LARGE_INTEGER click;
  QueryPerformanceCounter(&click);
  DWORD_PTR ignored = 0;
  Ask(exitButton, BM_CLICK, 0, 0, ignored);
  const bool ended = WaitForSingleObject(process.hProcess, kExitLimitMs) == WAIT_OBJECT_0;
  const double exitMs = MillisecondsSince(click);
  if (!ended) {
    std::fprintf(stderr, "%ls did not end after Exit; killed\n", exe);
    TerminateProcess(process.hProcess, 1);
  }
  std::printf("startup_ms=%.1f private_bytes=%lu exit_ms=%.1f\n", startupMs,
              static_cast<unsigned long>(memory.PagefileUsage), exitMs);
  CloseHandle(process.hProcess);
  return ended ? 0 : 2;
}

}  // namespace
}  // namespace tandemix

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  return tandemix::Run(argc, argv);
}
