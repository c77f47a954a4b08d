// The control window made, and its messages passed to the handlers.

#include "window/yahoo_im_main_win.h"

#include <commctrl.h>

#include "application/application_win.h"
#include "application/unexpected_error_win.h"
#include "platform/owned_handles_win.h"
#include "platform/wide_win.h"
#include "resources/resource_ids.h"
#include "settings/error.h"
#include "settings/error_text_win.h"
#include "window/dpi_win.h"
#include "window/high_contrast_win.h"

namespace tandemix {
namespace {

void RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = TfrmYahooIM_Main::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = Wide(kFormClassNameUtf16.data());
  RegisterClassExW(&windowClass);
}

// Gives the window a client area of that size inside the frame the system
// actually draws, centred on the screen.
void FitClientArea(HWND window, int width, int height) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  width += (outer.right - outer.left) - client.right;
  height += (outer.bottom - outer.top) - client.bottom;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::unique_ptr<TfrmYahooIM_Main> TfrmYahooIM_Main::Create() {
  Application& app = Application::Instance();
  RegisterWindowClass(app.instance());
  std::unique_ptr<TfrmYahooIM_Main> form(new TfrmYahooIM_Main);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
  const RECT frame = FrameForClient(kClientWidth, kClientHeight, style, exStyle, SystemDpi());
  const int width = frame.right;
  const int height = frame.bottom;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  // Without a desktop (or when the system refuses) there is no window to go on with.
  if (!CreateWindowExW(exStyle, Wide(kFormClassNameUtf16.data()), L"", style, left, top, width,
                       height, app.window(), nullptr, app.instance(), form.get())) {
    ReportCreationError(nullptr, Error("The control window cannot be created."));
    return nullptr;
  }
  app.SetMainWindow(form->hwnd_);
  // A per-monitor window has its monitor's DPI, which need not be the
  // system's: the client area is made for the window's own, like its controls.
  const UINT dpi = WindowDpi(form->hwnd_);
  FitClientArea(form->hwnd_, Scale(kClientWidth, dpi), Scale(kClientHeight, dpi));
  form->controls_.Create(form->hwnd_, app.instance(), dpi);
  form->FormCreate();
  ShowFocusUnderHighContrast(form->hwnd_);
  return form;
}

TfrmYahooIM_Main::~TfrmYahooIM_Main() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void TfrmYahooIM_Main::ReportCreationError(HWND owner, const std::exception& error) {
  MessageBoxW(owner, ErrorText(error).c_str(), L"Information", MB_OK | MB_ICONERROR);
  Application::Instance().Terminate();
}

LRESULT CALLBACK TfrmYahooIM_Main::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form =
        static_cast<TfrmYahooIM_Main*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(form));
  }
  auto* form = reinterpret_cast<TfrmYahooIM_Main*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result =
      AtSystemEdge(window, LRESULT(0), [&] { return form->Handle(message, wParam, lParam); });
  // The window may go before the form (the end of a session destroys it).
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
  }
  return result;
}

LRESULT TfrmYahooIM_Main::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) controls_.ShowSelectedPage();
      return 0;
    case WM_PAINT: {
      const PaintDc dc(hwnd_);
      logo_.Paint(dc.get(), controls_.Area("imgLogo"));
      return 0;
    }
    case WM_CTLCOLORSTATIC:
      if (const auto color = controls_.TextColorOf(HWND(lParam))) {
        SetTextColor(HDC(wParam), *color);
        SetBkColor(HDC(wParam), GetSysColor(COLOR_BTNFACE));
        return LRESULT(GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    case WM_DRAWITEM:
      return controls_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_ACTIVATE:
      // A plain window forgets its focus when it loses the activation.
      if (LOWORD(wParam) == WA_INACTIVE)
        controls_.RememberFocus();
      else if (!HIWORD(wParam))
        controls_.RestoreFocus();
      return 0;
    case WM_DPICHANGED: {
      controls_.SetDpi(HIWORD(wParam));
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    }
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
      return DefWindowProcW(hwnd_, message, KeepFocusShown(wParam), lParam);
    case WM_SYSCOLORCHANGE:
      TakeNewColors(hwnd_);
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETHIGHCONTRAST) TakeNewColors(hwnd_);
      break;
    case WM_SETCURSOR:
      if (controls_.IsLink(HWND(wParam))) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case TrayIcon::kCallbackMessage:
      OnTrayIcon(wParam, lParam);
      return 0;
    case Application::kShowMainWindowMessage:
      TntTrayIcon1Click();
      return 0;
    case WM_SYSCOMMAND: {
      const LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
      if (wParam == SC_MINIMIZE) {
        HideToTray();
        ShowBalloon();
      }
      return result;
    }
    case WM_CLOSE:
      if (FormCloseQuery()) Application::Instance().Terminate();
      return 0;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession();
    case WM_ENDSESSION:
      // The system may end the process once this returns: save now.
      if (wParam) DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      FormDestroy();
      return 0;
  }
  if (message == TaskbarCreatedMessage()) TntTrayIcon1.Readd();
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// The click handlers, by the component that is clicked.
const TfrmYahooIM_Main::ClickHandler TfrmYahooIM_Main::kClickHandlers[] = {
    {"btnStart", &TfrmYahooIM_Main::btnStartClick},
    {"btnStop", &TfrmYahooIM_Main::btnStopClick},
    {"btnExit", &TfrmYahooIM_Main::btnExitClick},
    {"mniExitApp", &TfrmYahooIM_Main::mniExitAppClick},
    {"mniMainWindow", &TfrmYahooIM_Main::mniMainWindowClick},
    {"chkNeedConfirm", &TfrmYahooIM_Main::chkNeedConfirmClick},
    {"chkAutoRead", &TfrmYahooIM_Main::chkAutoReadClick},
    {"chkSaveHistory", &TfrmYahooIM_Main::chkSaveHistoryClick},
    {"lblEmail", &TfrmYahooIM_Main::lblEmailClick},
    {"lblHomePage", &TfrmYahooIM_Main::lblHomePageClick},
};

void TfrmYahooIM_Main::OnCommand(int id, int code) {
  // The keys: Escape and Enter through the dialog manager, the page keys
  // through the accelerators.
  if (id == IDCANCEL) {
    SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    return;
  }
  if (id == IDOK) return controls_.PressFocused();
  if (id == IDK_NEXT_PAGE || id == IDK_PREVIOUS_PAGE)
    return controls_.ShowNextPage(id == IDK_NEXT_PAGE ? 1 : -1);
  // BN_CLICKED is also what a menu command carries.
  if (code != BN_CLICKED) return;
  const std::string name = controls_.NameOfId(id);
  for (const ClickHandler& handler : kClickHandlers) {
    if (name == handler.component) return (this->*handler.click)();
  }
}

}  // namespace tandemix
