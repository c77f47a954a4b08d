#include "window/yahoo_im_main_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "application/application_win.h"
#include "application/edition_profile.h"
#include "application/hint_text.h"
#include "application/unexpected_error_win.h"
#include "channel/check_trans_on.h"
#include "platform/file_exists_win.h"
#include "platform/wide_win.h"
#include "resources/resource_ids.h"
#include "settings/ansi_text.h"
#include "settings/error.h"
#include "settings/error_text_win.h"
#include "settings/program_folder.h"
#include "window/companion_launcher_win.h"
#include "window/dpi_win.h"
#include "window/lang_catalogue.h"
#include "window/lang_switch_win.h"
#include "window/version_text.h"

namespace tandemix {
namespace {

constexpr wchar_t kWindowClass[] = L"TfrmYahooIM_Main";
constexpr char16_t kSupportMail[] = u"support@tandemix.com";
constexpr char16_t kHomePage[] = u"https://www.tandemix.com";

void RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = TfrmYahooIM_Main::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

// BeginPaint to EndPaint on every path: a window left unpainted after an
// error would be asked to paint again at once.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_;
  HDC dc_;
};

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
  if (!CreateWindowExW(exStyle, kWindowClass, L"", style, left, top, width, height, app.window(),
                       nullptr, app.instance(), form.get())) {
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
    case WM_SETCURSOR:
      if (controls_.IsLink(HWND(wParam))) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case TrayIcon::kCallbackMessage:
      OnTrayIcon(UINT(lParam));
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

void TfrmYahooIM_Main::OnTrayIcon(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONUP) {
    TntTrayIcon1Click();
  } else if (mouseMessage == WM_RBUTTONUP) {
    // Without the foreground the menu would not close when clicked away.
    Application::Instance().BringToFront();
    SetForegroundWindow(hwnd_);
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(controls_.trayMenu(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd_, nullptr);
    PostMessageW(hwnd_, WM_NULL, 0, 0);
  }
}

void TfrmYahooIM_Main::FormCreate() {
  const EditionProfile& edition = Edition();
  try {
    if (!edition.ShowSettingsTab) controls_.RemovePage("SystemSetSheet");
    settings_ = std::make_unique<TDataObject>();
    SetTransOn(false);
    SetTransOwner(OwnExeFileName(), GetCurrentProcessId());
    CheckTransOn();
    SetTransHost(settings_->TransMothed);
    SessionEnding = false;
    ApplyInterfaceLanguage(controls_, hwnd_, ProgramFolder(), settings_->LangIndex);
    FillLanguageLists();
    controls_.ShowPage("FunctionSheet");
    SetAppWindowTitle(edition.ProductTitle);

    TntTrayIcon1.SetBalloon(
        GetHintText(u"TRAYINCON_BALLOON_CAPTION"),
        edition.ProductTitle + u" " + GetHintText(u"TRAYINCON_BALLOON_CONTENT"));
    // The notification area draws small icons, of the size the system asks for.
    HICON trayIcon =
        HICON(LoadImageW(Application::Instance().instance(), MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON,
                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    TntTrayIcon1.Show(hwnd_, trayIcon, edition.ProductTitle);

    SetWindowTextW(hwnd_, Wide(edition.ProductTitle));
    const std::u16string logoFile = ProgramFolder() + edition.LogoFileName;
    if (FileExists(logoFile)) logo_.LoadFile(logoFile, LogoPlace());

    FillAboutPage();
    // The fonts recorded above reach the controls in one pass.
    controls_.ApplyFonts();
    // The stored banner is decoded only when no logo file replaced it.
    if (!logo_.HasPicture())
      logo_.LoadStored(Application::Instance().instance(), IDR_BANNER, LogoPlace());
    StartUpdater();
  } catch (const std::exception& error) {
    ReportCreationError(hwnd_, error);
  }
}

void TfrmYahooIM_Main::FormDestroy() {
  TntTrayIcon1.Hide();
  try {
    SetTransOn(false);
    if (settings_) {
      // A list without a selection (an empty or damaged catalogue, a saved
      // index outside it) keeps the loaded choice: the user cannot clear one.
      const auto storeSelection = [](HWND list, int32_t& index) {
        const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
        if (selected != CB_ERR) index = int32_t(selected);
      };
      storeSelection(controls_.Get("cbbSendLang"), settings_->SendIndex);
      storeSelection(controls_.Get("cbbRecvLang"), settings_->RecvIndex);
      settings_->SaveToFile();
    }
  } catch (const std::exception&) {
    // Nothing is left to tell: the rest of this run's settings are not saved.
  }
  settings_.reset();
}

bool TfrmYahooIM_Main::FormCloseQuery() {
  if (SessionEnding) return true;
  HideToTray();
  ShowBalloon();
  return false;
}

LRESULT TfrmYahooIM_Main::OnQueryEndSession() {
  SessionEnding = true;
  SendMessageW(hwnd_, WM_CLOSE, 0, 0);
  return TRUE;
}

void TfrmYahooIM_Main::btnStartClick() {
  const std::u16string sendLang = controls_.Text("cbbSendLang");
  const std::u16string recvLang = controls_.Text("cbbRecvLang");
  if (sendLang.empty()) {
    ShowMessage(GetHintText(u"NOT_SELECT_SENDLANG"), GetHintText(u"HINT_CAPTION"),
                MB_ICONINFORMATION);
    FocusLanguageList("cbbSendLang");
    return;
  }
  if (recvLang.empty()) {
    ShowMessage(GetHintText(u"NOT_SELECT_RECVLANG"), GetHintText(u"HINT_CAPTION"), MB_ICONWARNING);
    FocusLanguageList("cbbRecvLang");
    return;
  }
  StartTranslation();
  SetTransOptions(settings_->TimeOut, Utf16ToAnsi(sendLang), Utf16ToAnsi(recvLang), 0,
                  Checked("chkNeedConfirm"), Checked("chkAutoRead"), Checked("chkSaveHistory"));
}

// Start may be pressed from any page: the list is shown before it takes the
// keys, or the arrows would change a choice the user cannot see.
void TfrmYahooIM_Main::FocusLanguageList(const char* name) {
  controls_.ShowPage("FunctionSheet");
  SetFocus(controls_.Get(name));
}

void TfrmYahooIM_Main::StartTranslation() {
  SetTransOn(true);
  EnableWindow(controls_.Get("btnStart"), FALSE);
  EnableWindow(controls_.Get("btnStop"), TRUE);
  HideToTray();
  ShowBalloon();
  StartCompanions();
}

void TfrmYahooIM_Main::btnStopClick() {
  SetTransOn(false);
  EnableWindow(controls_.Get("btnStart"), TRUE);
  EnableWindow(controls_.Get("btnStop"), FALSE);
}

void TfrmYahooIM_Main::btnExitClick() {
  btnStopClick();
  Application::Instance().Terminate();
}

void TfrmYahooIM_Main::mniExitAppClick() { btnExitClick(); }
void TfrmYahooIM_Main::mniMainWindowClick() { RestoreFromTray(); }

void TfrmYahooIM_Main::TntTrayIcon1Click() {
  RestoreFromTray();
  Application::Instance().BringToFront();
}

void TfrmYahooIM_Main::chkNeedConfirmClick() { SetNeedConfirm(Checked("chkNeedConfirm")); }
void TfrmYahooIM_Main::chkAutoReadClick() { SetAutoRead(Checked("chkAutoRead")); }
void TfrmYahooIM_Main::chkSaveHistoryClick() { SetSaveHistory(Checked("chkSaveHistory")); }

void TfrmYahooIM_Main::lblEmailClick() {
  const std::u16string parameter = u"mailto:" + controls_.Text("lblEmail");
  ShellExecuteW(hwnd_, L"open", L"Explorer.exe", Wide(parameter), nullptr, SW_SHOWNORMAL);
}

void TfrmYahooIM_Main::lblHomePageClick() {
  const std::u16string parameter = controls_.Text("lblHomePage");
  ShellExecuteW(hwnd_, L"open", L"Explorer.exe", Wide(parameter), nullptr, SW_SHOWNORMAL);
}

void TfrmYahooIM_Main::HideToTray() {
  ShowWindow(hwnd_, SW_HIDE);
  HWND appWindow = Application::Instance().window();
  if (IsWindowVisible(appWindow)) ShowWindow(appWindow, SW_HIDE);
}

void TfrmYahooIM_Main::RestoreFromTray() {
  Application& app = Application::Instance();
  app.Restore();
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  app.BringToFront();
}

void TfrmYahooIM_Main::SetAppWindowTitle(const std::u16string& text) {
  Application::Instance().SetTitle(text);
}

void TfrmYahooIM_Main::ShowBalloon() { TntTrayIcon1.ShowBalloon(); }

void TfrmYahooIM_Main::FillLanguageLists() {
  const std::vector<std::u16string> names =
      LoadLanguageNames(ProgramFolder(), settings_->LangIndex);
  controls_.SetItems("cbbSendLang", names);
  controls_.SetItems("cbbRecvLang", names);
  SendMessageW(controls_.Get("cbbSendLang"), CB_SETCURSEL,
               SelectionIndex(settings_->SendIndex, names.size()), 0);
  SendMessageW(controls_.Get("cbbRecvLang"), CB_SETCURSEL,
               SelectionIndex(settings_->RecvIndex, names.size()), 0);
}

void TfrmYahooIM_Main::FillAboutPage() {
  controls_.SetText("lblEmail", kSupportMail);
  controls_.SetText("lblHomePage", kHomePage);
  const std::string version = CutVersionText(OwnFileVersion());
  if (!version.empty())
    controls_.SetText("lblVersionStr", std::u16string(version.begin(), version.end()));
}

void TfrmYahooIM_Main::StartUpdater() {
  const bool present = FileExists(ProgramFolder() + u"Updater.exe");
  if (Edition().RequireUpdater && !present) {
    // Fixed texts: the updater's absence is reported the same in every language.
    MessageBoxW(hwnd_, L"缺少升级程序组件，软件将不能运行!", L"提示", MB_OK | MB_ICONWARNING);
    Application::Instance().Terminate();
  }
  // The shell would open a folder of that name in an Explorer window; a
  // missing file it could not start anyway.
  if (present) LaunchUpdater(Application::Instance().window());
}

SIZE TfrmYahooIM_Main::LogoPlace() const {
  const RECT area = controls_.Area("imgLogo");
  return {area.right - area.left, area.bottom - area.top};
}

std::u16string TfrmYahooIM_Main::GetHintText(const std::u16string& key) const {
  return tandemix::GetHintText(ProgramFolder(), settings_->LangIndex, key);
}

void TfrmYahooIM_Main::ShowMessage(const std::u16string& text, const std::u16string& caption,
                                   UINT icon) {
  MessageBoxW(hwnd_, Wide(text), Wide(caption), MB_OK | icon);
}

bool TfrmYahooIM_Main::Checked(const char* name) const {
  return SendMessageW(controls_.Get(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace tandemix
