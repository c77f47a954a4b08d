// The controls' fonts and text colours, kept at 96 DPI and given at the window's.

#include "window/form_controls_win.h"

#include <commctrl.h>

#include "window/dpi_win.h"
#include "window/high_contrast_win.h"

namespace tandemix {

LOGFONTW DesignedFont() {
  LOGFONTW font{};
  font.lfHeight = -11;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  wcscpy(font.lfFaceName, L"Tahoma");
  return font;
}

void FormControls::ApplyFonts() {
  std::map<std::string, GdiObject<HFONT>, std::less<>> handles;
  for (const auto& [name, font] : fonts_) {
    LOGFONTW scaled = font;
    scaled.lfHeight = Scale(font.lfHeight, dpi_);
    handles.emplace(name, GdiObject<HFONT>(CreateFontIndirectW(&scaled)));
  }
  const auto formFont = handles.find(kFormClassName);
  for (const auto& [name, control] : controls_) {
    const auto own = handles.find(name);
    const auto font = own != handles.end() ? own : formFont;
    if (control && font != handles.end())
      SendMessageW(control, WM_SETFONT, WPARAM(font->second.get()), Redraw());
  }
  // The old fonts go once no control uses them any more.
  fontHandles_ = std::move(handles);
  // The tab strip's height follows its font; its padding (6 x 3 at 96 DPI) the scale.
  SendMessageW(Get("MainPageControl"), TCM_SETPADDING, 0,
               MAKELPARAM(Scale(6, dpi_), Scale(3, dpi_)));
  PlacePages();
}

void FormControls::SetFont(std::string_view name, const LOGFONTW& font) {
  fonts_.insert_or_assign(std::string(name), font);
}

void FormControls::SetTextColor(std::string_view name, COLORREF color) {
  if (HWND control = Get(name)) {
    textColors_[control] = color;
    InvalidateRect(control, nullptr, TRUE);
  }
}

std::optional<COLORREF> FormControls::TextColorOf(HWND control) const {
  const auto found = textColors_.find(control);
  if (found == textColors_.end()) return std::nullopt;
  return UnlessHighContrast(found->second);
}

}  // namespace tandemix
