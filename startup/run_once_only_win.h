#pragma once

// RunOnceOnly: one running instance, through a 4-byte named slot holding the
// first instance's application window.

#include <windows.h>

#include "platform/owned_handles_win.h"

namespace tandemix {

inline constexpr char kRunOnceMappingName[] = "{D377C18F-278E-4C5D-AF09-8FE05C1085CD}";

class RunOnceSlot {
 public:
  // Opens or creates the slot; a new one is free. Without a view the slot
  // counts as unavailable.
  RunOnceSlot();
  RunOnceSlot(const RunOnceSlot&) = delete;
  RunOnceSlot& operator=(const RunOnceSlot&) = delete;

  // True when another live instance holds the slot (it has been asked to come
  // forward); otherwise claims the slot, when there is one, and returns false.
  bool AlreadyRunning(HWND ownWindow);

 private:
  KernelHandle mapping_;
  MappedView view_;
};

}  // namespace tandemix
