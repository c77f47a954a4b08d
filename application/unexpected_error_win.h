#pragma once

// The edge of every procedure the system calls (window and dialog
// procedures): an error must not unwind into the system, which cannot pass it
// on and ends the program. It is shown as the application shows any error no
// handler expects, and the window goes on.

#include <windows.h>

namespace tandemix {

// Called inside a catch: the error's message in a box over the window, under
// the edition's title, with the error icon. Never throws.
void ShowUnexpectedError(HWND owner) noexcept;

// Runs a procedure's work; after an error, shows it and answers fallback.
template <typename Result, typename Work>
Result AtSystemEdge(HWND window, Result fallback, Work&& work) noexcept {
  try {
    return work();
  } catch (...) {
    ShowUnexpectedError(window);
    return fallback;
  }
}

}  // namespace tandemix
