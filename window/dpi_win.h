#pragma once

// The screen's scale: the window is designed at 96 DPI and drawn at the DPI
// of the monitor it is on.

#include <windows.h>

namespace tandemix {

inline constexpr UINT kDesignDpi = 96;

// The DPI the system draws at (the primary monitor's).
UINT SystemDpi();
// The DPI of the monitor the window is on; the system's where Windows cannot
// tell per window (before Windows 10).
UINT WindowDpi(HWND window);
// A length designed at 96 DPI, at the given DPI.
inline int Scale(int designed, UINT dpi) { return MulDiv(designed, int(dpi), int(kDesignDpi)); }
// The window rectangle (at 0, 0) that has a client area of the given designed
// size at that DPI.
RECT FrameForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace tandemix
