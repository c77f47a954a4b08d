// The floor of the start-up benchmark: the Pro edition's control window built
// the plain way, with nothing around it (no settings file, no language switch,
// no shared block, no owner check, no companions). What Tandemix takes above
// this program's start-up time and memory is its own doing.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "application/edition_profile.h"
#include "platform/owned_handles_win.h"
#include "platform/wide_win.h"
#include "resources/edition_version.h"
#include "resources/resource_ids.h"
#include "window/form_layout.h"
#include "window/jpeg_picture.h"
#include "window/version_text.h"

namespace tandemix {
namespace {

constexpr wchar_t kFloorClass[] = L"TandemixFloor";
constexpr wchar_t kPageClass[] = L"TandemixFloorPage";
constexpr int kFirstId = 1000;

// The shipped Chinese catalogue's names.
constexpr const wchar_t* kLanguages[] = {
    L"中文(简体)", L"中文(繁体)", L"英语",   L"法语",   L"德语",     L"日语",     L"俄语",
    L"芬兰语",     L"丹麦语",     L"荷兰语", L"挪威语", L"意大利语", L"葡萄牙语", L"西班牙语",
};

HWND window;
std::vector<HWND> controls;  // by component, as FormComponents() lists them
GdiObject<HFONT> font;
std::vector<OwnedIcon> pictures;
GdiObject<HBITMAP> banner;
SIZE bannerSize;
NOTIFYICONDATAW tray;

HWND ControlOf(const char* name) {
  return controls[&FindComponent(name) - FormComponents().data()];
}

// Texts the running program puts in at start.
std::u16string TextOf(const FormComponent& c) {
  const std::string name = c.name;
  if (name == "lblEmail") return u"support@tandemix.com";
  if (name == "lblHomePage") return u"https://www.tandemix.com";
  if (name == "lblVersionStr") {
    const std::string version = CutVersionText(TANDEMIX_FILE_VERSION_TEXT);
    return {version.begin(), version.end()};
  }
  return c.text;
}

void LoadBanner(HINSTANCE instance) {
  HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(IDR_BANNER), RT_RCDATA);
  const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(instance, resource)));
  const auto picture = DecodeJpeg({bytes, SizeofResource(instance, resource)});
  if (!picture) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture->width;
  info.bmiHeader.biHeight = -picture->height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  banner.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (banner) std::memcpy(bits, picture->pixels.data(), picture->pixels.size());
  bannerSize = {picture->width, picture->height};
}

void PaintBanner(HDC dc) {
  if (!banner) return;
  const MemoryDc memory(dc, banner.get());
  const Rect& area = FindComponent("imgLogo").bounds;
  StretchBlt(dc, area.left, area.top, area.width, area.height, memory.get(), 0, 0, bannerSize.cx,
             bannerSize.cy, SRCCOPY);
}

HWND CreatePage(const FormComponent& c, HWND tabs, HMENU id, HINSTANCE instance) {
  const int index = int(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  const std::u16string text = TextOf(c);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(Wide(text));
  SendMessageW(tabs, TCM_INSERTITEMW, index, LPARAM(&item));
  RECT area;
  GetClientRect(tabs, &area);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
  return CreateWindowExW(
      WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | (index == 0 ? WS_VISIBLE : 0), area.left,
      area.top, area.right - area.left, area.bottom - area.top, tabs, id, instance, nullptr);
}

HWND CreateControl(const FormComponent& c, HMENU id, HINSTANCE instance) {
  const wchar_t* className = L"BUTTON";
  DWORD style = WS_CHILD | WS_VISIBLE;
  switch (c.kind) {
    case ComponentKind::GroupBox:
      style |= BS_GROUPBOX;
      break;
    case ComponentKind::Label:
      className = L"STATIC";
      style |= SS_NOPREFIX;
      break;
    case ComponentKind::Link:
      className = L"STATIC";
      style |= SS_NOPREFIX | SS_NOTIFY;
      break;
    case ComponentKind::ComboList:
      className = L"COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
      break;
    case ComponentKind::CheckBox:
      style |= BS_AUTOCHECKBOX | WS_TABSTOP;
      break;
    default:
      style |= BS_PUSHBUTTON | WS_TABSTOP;
      break;
  }
  const Rect& r = c.bounds;
  const std::u16string text = TextOf(c);
  HWND control = CreateWindowExW(0, className, Wide(text), style, r.left, r.top, r.width, r.height,
                                 c.parent ? ControlOf(c.parent) : window, id, instance, nullptr);
  if (c.checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
  if (!c.enabled) EnableWindow(control, FALSE);
  if (c.picture) {
    pictures.emplace_back(
        HICON(LoadImageW(instance, MAKEINTRESOURCEW(c.picture), IMAGE_ICON, 16, 16, 0)));
    SendMessageW(control, BM_SETIMAGE, IMAGE_ICON, LPARAM(pictures.back().get()));
  }
  if (c.kind == ComponentKind::ComboList) {
    for (const wchar_t* name : kLanguages) SendMessageW(control, CB_ADDSTRING, 0, LPARAM(name));
  }
  return control;
}

void CreateControls(HINSTANCE instance) {
  // Tahoma 8 pt in the Chinese character set, as the shipped language file asks.
  font.reset(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                         L"Tahoma"));
  HWND tabs = nullptr;
  int id = kFirstId;
  for (const FormComponent& c : FormComponents()) {
    const HMENU menuId = HMENU(intptr_t(id++));
    HWND control = nullptr;
    const Rect& r = c.bounds;
    switch (c.kind) {
      case ComponentKind::Picture:
      case ComponentKind::MenuItem:
        break;
      case ComponentKind::PageControl:
        control = tabs = CreateWindowExW(
            0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, r.left,
            r.top, r.width, r.height, window, menuId, instance, nullptr);
        // The pages lie inside the strip's area, which follows its font.
        SendMessageW(tabs, WM_SETFONT, WPARAM(font.get()), FALSE);
        break;
      case ComponentKind::Page:
        control = CreatePage(c, tabs, menuId, instance);
        break;
      default:
        control = CreateControl(c, menuId, instance);
        break;
    }
    if (control) SendMessageW(control, WM_SETFONT, WPARAM(font.get()), FALSE);
    controls.push_back(control);
  }
  // The program's defaults: the first entry to send, the third to receive.
  SendMessageW(ControlOf("cbbSendLang"), CB_SETCURSEL, 0, 0);
  SendMessageW(ControlOf("cbbRecvLang"), CB_SETCURSEL, 2, 0);
}

void ShowSelectedPage() {
  HWND tabs = ControlOf("MainPageControl");
  const auto selected = SendMessageW(tabs, TCM_GETCURSEL, 0, 0);
  int index = 0;
  for (const FormComponent& c : FormComponents()) {
    if (c.kind == ComponentKind::Page)
      ShowWindow(ControlOf(c.name), index++ == selected ? SW_SHOW : SW_HIDE);
  }
}

void AddTrayIcon(HINSTANCE instance) {
  tray.cbSize = sizeof tray;
  tray.hWnd = window;
  tray.uID = 1;
  tray.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  tray.uCallbackMessage = WM_APP;
  tray.hIcon = HICON(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON,
                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  wcsncpy(tray.szTip, Wide(Edition().ProductTitle), std::size(tray.szTip) - 1);
  Shell_NotifyIconW(NIM_ADD, &tray);
}

// Messages from a page's controls belong to the window.
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message == WM_CTLCOLORSTATIC)
    return SendMessageW(window, message, wParam, lParam);
  return DefWindowProcW(page, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      PaintBanner(BeginPaint(hwnd, &paint));
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) ShowSelectedPage();
      return 0;
    case WM_CTLCOLORSTATIC: {
      HWND control = HWND(lParam);
      if (control != ControlOf("lblEmail") && control != ControlOf("lblHomePage")) break;
      SetTextColor(HDC(wParam), RGB(0, 0, 255));
      SetBkColor(HDC(wParam), GetSysColor(COLOR_BTNFACE));
      return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
      if (HWND(lParam) == ControlOf("btnExit") && HIWORD(wParam) == BN_CLICKED) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      Shell_NotifyIconW(NIM_DELETE, &tray);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kFloorClass;
  RegisterClassExW(&windowClass);
  windowClass.lpfnWndProc = PageProc;
  windowClass.hIcon = nullptr;
  windowClass.lpszClassName = kPageClass;
  RegisterClassExW(&windowClass);
}

}  // namespace
}  // namespace tandemix

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace tandemix;
  INITCOMMONCONTROLSEX common{sizeof common, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  RegisterClasses(instance);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  window = CreateWindowExW(exStyle, kFloorClass, Wide(Edition().ProductTitle), style,
                           (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                           (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                           nullptr, instance, nullptr);
  if (!window) return 1;
  LoadBanner(instance);
  CreateControls(instance);
  AddTrayIcon(instance);
  ShowWindow(window, SW_SHOW);
  SetFocus(ControlOf("cbbSendLang"));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
