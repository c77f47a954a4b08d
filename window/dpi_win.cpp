#include "window/dpi_win.h"

namespace tandemix {
namespace {

// Windows 10 calls, looked up so the program still starts on Windows 7.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? UINT(dpi) : kDesignDpi;
}

UINT WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  return dpi ? dpi : SystemDpi();
}

RECT FrameForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, Scale(width, dpi), Scale(height, dpi)};
  if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  OffsetRect(&frame, -frame.left, -frame.top);
  return frame;
}

}  // namespace tandemix
