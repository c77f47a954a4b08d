#include "window/owner_draw_win.h"

#include <algorithm>
#include <string>

#include "window/dpi_win.h"

namespace tandemix {
namespace {

std::wstring TextOf(HWND control) {
  std::wstring text(GetWindowTextLengthW(control), L'\0');
  GetWindowTextW(control, text.data(), int(text.size() + 1));
  return text;
}

// Draws with the control's own font and restores the DC as it was given.
class ControlDc {
 public:
  explicit ControlDc(const DRAWITEMSTRUCT& item) : dc_(item.hDC), saved_(SaveDC(item.hDC)) {
    SelectObject(dc_, HFONT(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc_, TRANSPARENT);
  }
  ~ControlDc() { RestoreDC(dc_, saved_); }
  ControlDc(const ControlDc&) = delete;
  ControlDc& operator=(const ControlDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

UINT PrefixFlag(const DRAWITEMSTRUCT& item) {
  return item.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0;
}

}  // namespace

void DrawPictureButton(const DRAWITEMSTRUCT& item, HICON picture, int pictureSize, UINT dpi) {
  ControlDc dc(item);
  const bool pushed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  RECT face = item.rcItem;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON,
                   DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));

  const int shift = pushed ? 1 : 0;
  const int margin = Scale(5, dpi);
  const int left = item.rcItem.left + margin + shift;
  const int top = (item.rcItem.top + item.rcItem.bottom - pictureSize) / 2 + shift;
  DrawStateW(item.hDC, nullptr, nullptr, LPARAM(picture), 0, left, top, pictureSize, pictureSize,
             DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));

  // Clipped to its own space: a caption too long is cut, never drawn over the picture.
  RECT caption{left + pictureSize + Scale(2, dpi), item.rcItem.top + shift,
               item.rcItem.right - margin + shift, item.rcItem.bottom + shift};
  SetTextColor(item.hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  const std::wstring text = TextOf(item.hwndItem);
  DrawTextW(item.hDC, text.c_str(), int(text.size()), &caption,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | PrefixFlag(item));

  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -Scale(3, dpi), -Scale(3, dpi));
    DrawFocusRect(item.hDC, &focus);
  }
}

void DrawLink(const DRAWITEMSTRUCT& item, COLORREF color) {
  ControlDc dc(item);
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring text = TextOf(item.hwndItem);
  RECT textArea = item.rcItem;
  SetTextColor(item.hDC, color);
  DrawTextW(item.hDC, text.c_str(), int(text.size()), &textArea,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) {
    DrawTextW(item.hDC, text.c_str(), int(text.size()), &textArea,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    textArea.top = item.rcItem.top;
    textArea.right = std::min(textArea.right, item.rcItem.right);
    textArea.bottom = item.rcItem.bottom;
    DrawFocusRect(item.hDC, &textArea);
  }
}

}  // namespace tandemix
