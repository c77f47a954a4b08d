#include "window/form_controls_win.h"

#include <commctrl.h>

#include <algorithm>

#include "application/unexpected_error_win.h"
#include "platform/wide_win.h"
#include "window/dpi_win.h"
#include "window/owner_draw_win.h"

namespace tandemix {
namespace {

constexpr wchar_t kPageClass[] = L"TandemixPage";

// A page only holds controls: what they report belongs to the form.
LRESULT HandlePageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_SETCURSOR:
      return SendMessageW(GetAncestor(page, GA_ROOT), message, wParam, lParam);
  }
  return DefWindowProcW(page, message, wParam, lParam);
}

LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtSystemEdge(page, LRESULT(0),
                      [&] { return HandlePageMessage(page, message, wParam, lParam); });
}

void RegisterPageClass(HINSTANCE instance) {
  WNDCLASSEXW pageClass{};
  pageClass.cbSize = sizeof pageClass;
  pageClass.lpfnWndProc = PageProc;
  pageClass.hInstance = instance;
  pageClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  pageClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  pageClass.lpszClassName = kPageClass;
  RegisterClassExW(&pageClass);
}

constexpr int kPictureSize = 16;  // at 96 DPI

struct ControlClass {
  const wchar_t* className;
  DWORD style;
};

ControlClass ClassOf(ComponentKind kind) {
  switch (kind) {
    case ComponentKind::GroupBox:
      return {L"BUTTON", BS_GROUPBOX};
    case ComponentKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX};
    // Links and buttons are drawn by the window; as buttons they take the
    // focus, and Space, Enter and the mnemonics press them.
    case ComponentKind::Link:
      return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
    case ComponentKind::ComboList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ComponentKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ComponentKind::Button:
      return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
    default:
      return {nullptr, 0};
  }
}

}  // namespace

LOGFONTW DesignedFont() {
  LOGFONTW font{};
  font.lfHeight = -11;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  wcscpy(font.lfFaceName, L"Tahoma");
  return font;
}

void FormControls::Create(HWND form, HINSTANCE instance, UINT dpi) {
  form_ = form;
  instance_ = instance;
  dpi_ = dpi;
  RegisterPageClass(instance);
  trayMenu_.reset(CreatePopupMenu());
  const auto components = FormComponents();
  HWND pageControl = nullptr;
  // Creation order is the order Tab follows: the tab strip, the pages (only
  // the shown one counts), then the buttons.
  for (size_t i = 0; i < components.size(); ++i) {
    const FormComponent& c = components[i];
    const HMENU id = HMENU(intptr_t(kFirstId + static_cast<int>(i)));
    HWND control = nullptr;
    switch (c.kind) {
      case ComponentKind::Picture:
        continue;  // the form paints the logo itself
      case ComponentKind::MenuItem:
        AppendMenuW(trayMenu_.get(), MF_STRING, UINT_PTR(id), Wide(c.text));
        continue;
      case ComponentKind::PageControl: {
        const RECT area = Area(c.name);
        control = CreateWindowExW(
            0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, area.left,
            area.top, area.right - area.left, area.bottom - area.top, form, id, instance, nullptr);
        pageControl = control;
        break;
      }
      case ComponentKind::Page: {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(Wide(c.text));
        SendMessageW(pageControl, TCM_INSERTITEMW, tabs_.size(), LPARAM(&item));
        tabs_.push_back(c.name);
        control = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD, 0, 0, 0, 0, form,
                                  id, instance, nullptr);
        break;
      }
      default: {
        const ControlClass cls = ClassOf(c.kind);
        HWND parent = c.parent ? Get(c.parent) : form;
        const RECT area = Area(c.name);
        control = CreateWindowExW(0, cls.className, Wide(c.text), WS_CHILD | WS_VISIBLE | cls.style,
                                  area.left, area.top, area.right - area.left,
                                  area.bottom - area.top, parent, id, instance, nullptr);
        if (c.checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        if (!c.enabled) EnableWindow(control, FALSE);
        break;
      }
    }
    controls_.emplace(c.name, control);
  }
  focus_ = Get("cbbSendLang");
  LoadPictures();
  SetFont(kFormClassName, DesignedFont());
  // The links have a font of their own, the designed one, whatever the window's becomes.
  for (const FormComponent& c : components) {
    if (c.kind == ComponentKind::Link) SetFont(c.name, DesignedFont());
  }
}

void FormControls::SetDpi(UINT dpi) {
  dpi_ = dpi;
  PlaceControls();
  LoadPictures();
  ApplyFonts();
}

RECT FormControls::Area(std::string_view name) const {
  const Rect& r = FindComponent(name).bounds;
  // Edges rather than sizes: what touches at 96 DPI still touches, nothing overlaps.
  return {Scale(r.left, dpi_), Scale(r.top, dpi_), Scale(r.left + r.width, dpi_),
          Scale(r.top + r.height, dpi_)};
}

void FormControls::PlaceControls() {
  for (const FormComponent& c : FormComponents()) {
    HWND control = Get(c.name);
    if (!control || c.kind == ComponentKind::Page) continue;
    const RECT area = Area(c.name);
    MoveWindow(control, area.left, area.top, area.right - area.left, area.bottom - area.top,
               Redraw());
  }
}

void FormControls::PlacePages() {
  HWND tabs = Get("MainPageControl");
  RECT strip;
  GetClientRect(tabs, &strip);
  RECT page = strip;
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&page));
  // The pages follow the tab strip in the window order, so that Tab reaches
  // the strip first; the strip leaves their place to them rather than paint over it.
  HRGN region = CreateRectRgnIndirect(&strip);
  HRGN hole = CreateRectRgnIndirect(&page);
  CombineRgn(region, region, hole, RGN_DIFF);
  DeleteObject(hole);
  SetWindowRgn(tabs, region, Redraw());
  MapWindowPoints(tabs, form_, reinterpret_cast<POINT*>(&page), 2);
  for (const FormComponent& c : FormComponents()) {
    if (c.kind != ComponentKind::Page) continue;
    MoveWindow(Get(c.name), page.left, page.top, page.right - page.left, page.bottom - page.top,
               Redraw());
  }
}

// A window still being built is drawn once, when it first shows.
BOOL FormControls::Redraw() const { return IsWindowVisible(form_); }

void FormControls::LoadPictures() {
  const int size = Scale(kPictureSize, dpi_);
  for (const FormComponent& c : FormComponents()) {
    if (!c.picture) continue;
    // The icon files hold each picture at the common scales; the nearest is used.
    pictures_[c.name].reset(
        HICON(LoadImageW(instance_, MAKEINTRESOURCEW(c.picture), IMAGE_ICON, size, size, 0)));
    InvalidateRect(Get(c.name), nullptr, TRUE);
  }
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

HWND FormControls::Get(std::string_view name) const {
  auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

std::string FormControls::NameOfId(int id) const {
  const auto components = FormComponents();
  const int index = id - kFirstId;
  if (index < 0 || index >= static_cast<int>(components.size())) return {};
  return components[index].name;
}

int FormControls::IdOf(std::string_view name) const {
  const auto components = FormComponents();
  for (size_t i = 0; i < components.size(); ++i) {
    if (name == components[i].name) return kFirstId + static_cast<int>(i);
  }
  return 0;
}

std::u16string FormControls::Text(std::string_view name) const {
  HWND control = Get(name);
  std::u16string text(GetWindowTextLengthW(control), u'\0');
  GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()), int(text.size() + 1));
  return text;
}

void FormControls::SetText(std::string_view name, const std::u16string& text) {
  const FormComponent& c = FindComponent(name);
  if (c.kind == ComponentKind::MenuItem) {
    ModifyMenuW(trayMenu_.get(), IdOf(name), MF_BYCOMMAND | MF_STRING, IdOf(name), Wide(text));
  } else if (c.kind == ComponentKind::Page) {
    auto tab = std::find(tabs_.begin(), tabs_.end(), name);
    if (tab == tabs_.end()) return;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(Wide(text));
    SendMessageW(Get("MainPageControl"), TCM_SETITEMW, tab - tabs_.begin(), LPARAM(&item));
  } else {
    SetWindowTextW(Get(name), Wide(text));
  }
}

void FormControls::SetItems(std::string_view name, const std::vector<std::u16string>& items) {
  HWND list = Get(name);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const auto& item : items) SendMessageW(list, CB_ADDSTRING, 0, LPARAM(Wide(item)));
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
  return found->second;
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
  const std::string name = NameOfId(GetDlgCtrlID(focus));
  if (name.empty()) return;
  const ComponentKind kind = FindComponent(name).kind;
  if (kind == ComponentKind::Button || kind == ComponentKind::Link)
    SendMessageW(focus, BM_CLICK, 0, 0);
}

bool FormControls::IsLink(HWND control) const {
  return control && (control == Get("lblEmail") || control == Get("lblHomePage"));
}

bool FormControls::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (IsLink(item.hwndItem)) {
    // Blue, unless the interface-language file gives the link a colour.
    DrawLink(item, TextColorOf(item.hwndItem).value_or(RGB(0, 0, 255)));
    return true;
  }
  for (const auto& [name, picture] : pictures_) {
    if (Get(name) != item.hwndItem) continue;
    DrawPictureButton(item, picture.get(), Scale(kPictureSize, dpi_), dpi_);
    return true;
  }
  return false;
}

}  // namespace tandemix
