#include "startup/run_once_only_win.h"

#include <cstdint>

namespace tandemix {
namespace {

HANDLE g_mapping = nullptr;
volatile uint32_t* g_slot = nullptr;

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
  // A handle whose window is gone was left by an instance that ended while
  // another process kept the slot alive: the slot is free again.
  if (!first || !IsWindow(first)) {
    *g_slot = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(ownWindow));
    return false;
  }
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
