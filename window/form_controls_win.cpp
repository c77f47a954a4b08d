// The controls made from the stored description, addressed by their names
// and placed at the window's DPI.

#include "window/form_controls_win.h"

#include <commctrl.h>

#include <algorithm>

#include "application/unexpected_error_win.h"
#include "platform/wide_win.h"
#include "window/dpi_win.h"

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

// A window still being built is drawn once, when it first shows.
BOOL FormControls::Redraw() const { return IsWindowVisible(form_); }

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

std::optional<ComponentKind> FormControls::KindOf(HWND control) const {
  const std::string name = control ? NameOfId(GetDlgCtrlID(control)) : std::string();
  if (name.empty() || Get(name) != control) return std::nullopt;
  return FindComponent(name).kind;
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

}  // namespace tandemix
