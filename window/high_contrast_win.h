#pragma once

// A high-contrast theme: the window then draws its texts and backgrounds in
// the system's colours only, and every control shows the focus.

#include <windows.h>

#include <optional>

namespace tandemix {

bool HighContrastOn();

// A text colour of the window's own (from the interface-language file):
// none, the system's, under a high-contrast theme.
std::optional<COLORREF> UnlessHighContrast(std::optional<COLORREF> own);
// The links' blue; the system's colour of links under a high-contrast theme.
COLORREF LinkColor();

// A change of the window's interface state as the window lets it through:
// under a high-contrast theme nothing hides the focus rectangles.
WPARAM KeepFocusShown(WPARAM uiStateChange);
// Shows the focus rectangles the system may have hidden, under a high-contrast theme.
void ShowFocusUnderHighContrast(HWND form);
// The theme or the system's colours changed: the controls are told, the
// focus shown as the theme wants and everything drawn anew.
void TakeNewColors(HWND form);

}  // namespace tandemix
