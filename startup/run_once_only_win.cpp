#include "startup/run_once_only_win.h"

#include <cstdint>
#include <string_view>

#include "startup/application_win.h"

namespace tandemix {
namespace {

HANDLE g_mapping = nullptr;
volatile uint32_t* g_slot = nullptr;

// Only a live application window of Tandemix holds the slot: a handle whose
// window is gone, or that the system has given to another program's window,
// was left by an instance that ended while another process kept the slot.
bool IsTandemixApplicationWindow(HWND window) {
  wchar_t className[64];
  return window && IsWindow(window) && GetClassNameW(window, className, 64) &&
         std::wstring_view(className) == kApplicationWindowClass;
}

volatile uint32_t* MapSlot(HANDLE mapping) {
  return static_cast<volatile uint32_t*>(
      MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0));
}

}  // namespace

void OpenRunOnceSlot() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kRunOnceMappingName);
  const bool created = !mapping;
  if (created) {
    mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4,
                                 kRunOnceMappingName);
    if (!mapping) return;
  }
  g_slot = MapSlot(mapping);
  if (!g_slot) {
    CloseHandle(mapping);
    return;
  }
  g_mapping = mapping;
  if (created) *g_slot = 0;
}

bool AlreadyRunning(HWND ownWindow) {
  if (!g_slot) return false;
  HWND first = reinterpret_cast<HWND>(static_cast<uintptr_t>(*g_slot));
  if (!IsTandemixApplicationWindow(first)) {
    *g_slot = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(ownWindow));
    return false;
  }
  // The first instance may bring its window to the front.
  DWORD firstProcess = 0;
  GetWindowThreadProcessId(first, &firstProcess);
  AllowSetForegroundWindow(firstProcess);
  SendMessageA(first, WM_SYSCOMMAND, SC_RESTORE, 0);
  HWND popup = GetLastActivePopup(first);
  if (popup && popup != first && IsWindowVisible(popup) && IsWindowEnabled(popup)) {
    SetForegroundWindow(popup);
  }
  return true;
}

void CloseRunOnceSlot() {
  if (g_slot) {
    UnmapViewOfFile(const_cast<uint32_t*>(g_slot));
    g_slot = nullptr;
  }
  if (g_mapping) {
    CloseHandle(g_mapping);
    g_mapping = nullptr;
  }
}

}  // namespace tandemix
