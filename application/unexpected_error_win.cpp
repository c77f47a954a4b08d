#include "application/unexpected_error_win.h"

#include <exception>
#include <string>

#include "application/edition_profile.h"
#include "platform/wide_win.h"
#include "settings/error_text_win.h"

namespace tandemix {

void ShowUnexpectedError(HWND owner) noexcept {
  // An error that keeps recurring (in painting, say) would otherwise stack a
  // box on a box from each box's own message loop.
  static bool showing = false;
  if (showing) return;
  showing = true;
  try {
    std::wstring text = L"Unknown error";
    try {
      throw;
    } catch (const std::exception& error) {
      text = ErrorText(error);
    } catch (...) {
    }
    MessageBoxW(owner, text.c_str(), Wide(Edition().ProductTitle), MB_OK | MB_ICONERROR);
  } catch (...) {
    // Not even the message could be made (no memory left): the window goes on without it.
  }
  showing = false;
}

}  // namespace tandemix
