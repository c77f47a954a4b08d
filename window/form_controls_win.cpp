#include "window/form_controls_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/wide_win.h"

namespace tandemix {
namespace {

constexpr wchar_t kPageClass[] = L"TandemixPage";

// A page only holds controls: what they report belongs to the form.
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_SETCURSOR:
      return SendMessageW(GetAncestor(page, GA_ROOT), message, wParam, lParam);
  }
  return DefWindowProcW(page, message, wParam, lParam);
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
    case ComponentKind::Link:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY};
    case ComponentKind::ComboList:
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ComponentKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ComponentKind::Button:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
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

void FormControls::Create(HWND form, HINSTANCE instance) {
  form_ = form;
  RegisterPageClass(instance);
  trayMenu_.reset(CreatePopupMenu());
  const auto components = FormComponents();
  HWND pageControl = nullptr;
  for (size_t i = 0; i < components.size(); ++i) {
    const FormComponent& c = components[i];
    const int id = kFirstId + static_cast<int>(i);
    const Rect& r = c.bounds;
    HWND control = nullptr;
    switch (c.kind) {
      case ComponentKind::Picture:
        continue;  // the form paints the logo itself
      case ComponentKind::MenuItem:
        AppendMenuW(trayMenu_.get(), MF_STRING, id, Wide(c.text));
        continue;
      case ComponentKind::PageControl:
        control = CreateWindowExW(
            0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, r.left,
            r.top, r.width, r.height, form, HMENU(intptr_t(id)), instance, nullptr);
        pageControl = control;
        break;
      case ComponentKind::Page: {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(Wide(c.text));
        SendMessageW(pageControl, TCM_INSERTITEMW, tabs_.size(), LPARAM(&item));
        tabs_.push_back(c.name);
        RECT area;
        GetWindowRect(pageControl, &area);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&area), 2);
        SendMessageW(pageControl, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
        control = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD, area.left,
                                  area.top, area.right - area.left, area.bottom - area.top, form,
                                  HMENU(intptr_t(id)), instance, nullptr);
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        break;
      }
      default: {
        const ControlClass cls = ClassOf(c.kind);
        HWND parent = c.parent ? Get(c.parent) : form;
        control = CreateWindowExW(0, cls.className, Wide(c.text), WS_CHILD | WS_VISIBLE | cls.style,
                                  r.left, r.top, r.width, r.height, parent, HMENU(intptr_t(id)),
                                  instance, nullptr);
        if (c.checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        if (!c.enabled) EnableWindow(control, FALSE);
        if (c.picture) {
          pictures_.emplace_back(HBITMAP(LoadImageW(instance, MAKEINTRESOURCEW(c.picture),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
          SendMessageW(control, BM_SETIMAGE, IMAGE_BITMAP, LPARAM(pictures_.back().get()));
        }
        break;
      }
    }
    controls_.emplace(c.name, control);
  }
  SetFont(kFormClassName, DesignedFont());
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
  GdiObject<HFONT>& owned = fonts_[std::string(name)];
  // The old font goes once no control uses it any more.
  GdiObject<HFONT> old = std::move(owned);
  owned.reset(CreateFontIndirectW(&font));
  const bool form = name == kFormClassName;
  for (auto& [control, window] : controls_) {
    const bool takes = form ? !fonts_.contains(control) : control == name;
    if (window && takes) SendMessageW(window, WM_SETFONT, WPARAM(owned.get()), TRUE);
  }
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

bool FormControls::IsLink(HWND control) const {
  return control && (control == Get("lblEmail") || control == Get("lblHomePage"));
}

}  // namespace tandemix
