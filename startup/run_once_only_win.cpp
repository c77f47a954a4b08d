#include "startup/run_once_only_win.h"

#include <cstdint>
#include <string_view>

#include "application/application_win.h"

namespace tandemix {
namespace {

// Only a live application window of Tandemix holds the slot: a handle whose
// window is gone, or that the system has given to another program's window,
// was left by an instance that ended while another process kept the slot.
bool IsTandemixApplicationWindow(HWND window) {
  wchar_t className[64];
  return window && IsWindow(window) && GetClassNameW(window, className, 64) &&
         std::wstring_view(className) == kApplicationWindowClass;
}

}  // namespace

RunOnceSlot::RunOnceSlot() {
  mapping_.reset(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kRunOnceMappingName));
  const bool created = !mapping_;
  if (created) {
    mapping_.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4,
                                      kRunOnceMappingName));
    if (!mapping_) return;
  }
  view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0));
  if (!view_) {
    mapping_.reset();
    return;
  }
  if (created) *static_cast<volatile uint32_t*>(view_.get()) = 0;
}

bool RunOnceSlot::AlreadyRunning(HWND ownWindow) {
  if (!view_) return false;
  auto* slot = static_cast<volatile uint32_t*>(view_.get());
  HWND first = reinterpret_cast<HWND>(static_cast<uintptr_t>(*slot));
  if (!IsTandemixApplicationWindow(first)) {
    *slot = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(ownWindow));
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

}  // namespace tandemix
