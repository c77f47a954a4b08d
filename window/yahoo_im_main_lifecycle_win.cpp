// The control window's life: made and filled, asked to close, destroyed.

#include "window/yahoo_im_main_win.h"

#include "application/application_win.h"
#include "application/edition_profile.h"
#include "application/hint_text.h"
#include "channel/check_trans_on.h"
#include "platform/file_exists_win.h"
#include "platform/wide_win.h"
#include "resources/resource_ids.h"
#include "settings/program_folder.h"
#include "window/companion_launcher_win.h"
#include "window/lang_catalogue.h"
#include "window/lang_switch_win.h"
#include "window/version_text.h"

namespace tandemix {
namespace {

constexpr char16_t kSupportMail[] = u"support@tandemix.com";
constexpr char16_t kHomePage[] = u"https://www.tandemix.com";

}  // namespace

void TfrmYahooIM_Main::FormCreate() {
  const EditionProfile& edition = Edition();
  try {
    if (!edition.ShowSettingsTab) controls_.RemovePage("SystemSetSheet");
    settings_ = std::make_unique<TDataObject>();
    // Translation is off until Start, even when a run that ended without its
    // exit left the mark set in a block the plug-in kept open.
    SetTransOn(false);
    SetTransOwner(OwnExeFileName(), GetCurrentProcessId());
    // The owner check, once per run: with the mark just cleared it leaves the
    // block as it is, and its answer is not needed.
    CheckTransOn();
    SetTransHost(settings_->TransMothed);
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

    // The caption is the edition's, whatever the interface-language file gave it.
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

void TfrmYahooIM_Main::SetAppWindowTitle(const std::u16string& text) {
  Application::Instance().SetTitle(text);
}

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

}  // namespace tandemix
