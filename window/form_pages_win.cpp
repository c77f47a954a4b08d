// The page control's pages and the keyboard focus across them.

#include "window/form_controls_win.h"

#include <commctrl.h>

#include <algorithm>

#include "window/form_layout.h"

namespace tandemix {

void FormControls::PlacePages() {
  HWND tabs = Get("MainPageControl");
  RECT strip;
  GetClientRect(tabs, &strip);
  RECT page = strip;
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&page));
  // The pages follow the tab strip in the window order, so that Tab reaches
  // the strip first; the strip leaves their place to them rather than paint over it.
  GdiObject<HRGN> region(CreateRectRgnIndirect(&strip));
  const GdiObject<HRGN> hole(CreateRectRgnIndirect(&page));
  CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF);
  // The window owns the region once it has taken it.
  if (SetWindowRgn(tabs, region.get(), Redraw())) region.release();
  MapWindowPoints(tabs, form_, reinterpret_cast<POINT*>(&page), 2);
  for (const FormComponent& c : FormComponents()) {
    if (c.kind != ComponentKind::Page) continue;
    MoveWindow(Get(c.name), page.left, page.top, page.right - page.left, page.bottom - page.top,
               Redraw());
  }
}

void FormControls::RemovePage(std::string_view name) {
  auto tab = std::find(tabs_.begin(), tabs_.end(), name);
  if (tab == tabs_.end()) return;
  SendMessageW(Get("MainPageControl"), TCM_DELETEITEM, tab - tabs_.begin(), 0);
  tabs_.erase(tab);
  ShowWindow(Get(name), SW_HIDE);
}

void FormControls::ShowPage(std::string_view name) {
  auto tab = std::find(tabs_.begin(), tabs_.end(), name);
  if (tab == tabs_.end()) return;
  SendMessageW(Get("MainPageControl"), TCM_SETCURSEL, tab - tabs_.begin(), 0);
  ShowSelectedPage();
}

void FormControls::ShowSelectedPage() {
  const auto selected = SendMessageW(Get("MainPageControl"), TCM_GETCURSEL, 0, 0);
  for (size_t i = 0; i < tabs_.size(); ++i) {
    ShowWindow(Get(tabs_[i]), LRESULT(i) == selected ? SW_SHOW : SW_HIDE);
  }
}

void FormControls::ShowNextPage(int step) {
  HWND tabs = Get("MainPageControl");
  const int count = int(tabs_.size());
  const int selected = int(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
  if (count == 0 || selected < 0) return;
  // The focus must not stay on a page that is hidden.
  const bool focusOnPage = IsChild(Get(tabs_[selected]), GetFocus());
  SendMessageW(tabs, TCM_SETCURSEL, (selected + step + count) % count, 0);
  ShowSelectedPage();
  if (focusOnPage) SetFocus(tabs);
}

void FormControls::RememberFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(form_, focus)) focus_ = focus;
}

void FormControls::RestoreFocus() {
  const bool usable = focus_ && IsWindowVisible(focus_) && IsWindowEnabled(focus_);
  SetFocus(usable ? focus_ : Get("MainPageControl"));
}

void FormControls::PressFocused() const {
  HWND focus = GetFocus();
  if (!focus || !IsChild(form_, focus)) return;
  const std::optional<ComponentKind> kind = KindOf(focus);
  if (kind == ComponentKind::Button || kind == ComponentKind::Link)
    SendMessageW(focus, BM_CLICK, 0, 0);
}

}  // namespace tandemix
