#pragma once

// uYahooIM_Main: the control window, the program's one window for the user.

#include <windows.h>

#include <exception>
#include <memory>
#include <string>

#include "settings/global.h"
#include "window/form_controls_win.h"
#include "window/logo_win.h"
#include "window/tray_icon_win.h"

namespace tandemix {

class TfrmYahooIM_Main {
 public:
  // Creates the window as the application's main window and runs FormCreate.
  // When the window itself cannot be made, reports it and returns nothing.
  static std::unique_ptr<TfrmYahooIM_Main> Create();
  // Destroys the window if the system has not already done so.
  ~TfrmYahooIM_Main();
  TfrmYahooIM_Main(const TfrmYahooIM_Main&) = delete;
  TfrmYahooIM_Main& operator=(const TfrmYahooIM_Main&) = delete;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  TfrmYahooIM_Main() = default;
  struct ClickHandler {
    const char* component;
    void (TfrmYahooIM_Main::*click)();
  };
  static const ClickHandler kClickHandlers[];

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  void OnTrayIcon(WPARAM wParam, LPARAM lParam);

  void FormCreate();
  void FormDestroy();
  bool FormCloseQuery();
  LRESULT OnQueryEndSession();

  void btnStartClick();
  void btnStopClick();
  void btnExitClick();
  void mniExitAppClick();
  void mniMainWindowClick();
  void TntTrayIcon1Click();
  void chkNeedConfirmClick();
  void chkAutoReadClick();
  void chkSaveHistoryClick();
  void lblEmailClick();
  void lblHomePageClick();

  void FocusLanguageList(const char* name);
  void StartTranslation();
  void HideToTray();
  void RestoreFromTray();
  void SetAppWindowTitle(const std::u16string& text);
  void ShowBalloon();
  void FillLanguageLists();
  void FillAboutPage();
  void StartUpdater();

  // The size the banner is drawn at, at the window's DPI.
  SIZE LogoPlace() const;
  std::u16string GetHintText(const std::u16string& key) const;
  void ShowMessage(const std::u16string& text, const std::u16string& caption, UINT icon);
  // An error while the window is created: the "Information" box, then the end.
  static void ReportCreationError(HWND owner, const std::exception& error);
  bool Checked(const char* name) const;

  HWND hwnd_ = nullptr;
  FormControls controls_;
  Logo logo_;
  TrayIcon TntTrayIcon1;
  std::unique_ptr<TDataObject> settings_;
  bool SessionEnding = false;
};

}  // namespace tandemix
