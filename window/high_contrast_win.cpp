#include "window/high_contrast_win.h"

namespace tandemix {

bool HighContrastOn() {
  HIGHCONTRASTW setting{};
  setting.cbSize = sizeof setting;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
         (setting.dwFlags & HCF_HIGHCONTRASTON);
}

std::optional<COLORREF> UnlessHighContrast(std::optional<COLORREF> own) {
  if (HighContrastOn()) return std::nullopt;
  return own;
}

COLORREF LinkColor() { return HighContrastOn() ? GetSysColor(COLOR_HOTLIGHT) : RGB(0, 0, 255); }

WPARAM KeepFocusShown(WPARAM uiStateChange) {
  if (LOWORD(uiStateChange) != UIS_SET || !HighContrastOn()) return uiStateChange;
  return MAKEWPARAM(UIS_SET, HIWORD(uiStateChange) & ~UISF_HIDEFOCUS);
}

void ShowFocusUnderHighContrast(HWND form) {
  if (HighContrastOn())
    SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

namespace {

// Common controls (the tab strip) learn of new colours only from their parent.
BOOL CALLBACK TellOfNewColors(HWND control, LPARAM) {
  SendMessageW(control, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}

}  // namespace

void TakeNewColors(HWND form) {
  EnumChildWindows(form, TellOfNewColors, 0);
  ShowFocusUnderHighContrast(form);
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace tandemix
