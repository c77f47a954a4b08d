#pragma once

// The control window's components as real controls, made from the stored
// description, addressed by their names and laid out at the window's DPI.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/owned_handles_win.h"
#include "window/form_layout.h"

namespace tandemix {

class FormControls {
 public:
  static constexpr int kFirstId = 1000;

  FormControls() = default;
  FormControls(const FormControls&) = delete;
  FormControls& operator=(const FormControls&) = delete;

  void Create(HWND form, HINSTANCE instance, UINT dpi);
  // The window moved to a monitor of another scale: places, fonts and pictures anew.
  void SetDpi(UINT dpi);
  // A component's place at the current DPI, in its page's or the form's client area.
  RECT Area(std::string_view name) const;

  HWND Get(std::string_view name) const;
  // The component a control or menu id belongs to; empty when none.
  std::string NameOfId(int id) const;
  int IdOf(std::string_view name) const;
  // The kind of the component a control is; nothing for a window that is none.
  std::optional<ComponentKind> KindOf(HWND control) const;

  std::u16string Text(std::string_view name) const;
  void SetText(std::string_view name, const std::u16string& text);
  void SetItems(std::string_view name, const std::vector<std::u16string>& items);
  // A component's own font; the form's (kFormClassName) goes to every control
  // without one of its own. Fonts are given at 96 DPI and drawn at the window's.
  // Only recorded: the controls get it at the next ApplyFonts.
  void SetFont(std::string_view name, const LOGFONTW& font);
  // Gives every control its recorded font at the window's DPI: once the window
  // is built, so that its fonts cost one pass, and at every change of scale.
  void ApplyFonts();
  void SetTextColor(std::string_view name, COLORREF color);
  // The colour a control's text is drawn in; nothing for the system's own,
  // as under a high-contrast theme.
  std::optional<COLORREF> TextColorOf(HWND control) const;

  // Pages of the page control.
  void RemovePage(std::string_view name);
  void ShowPage(std::string_view name);
  void ShowSelectedPage();
  // Ctrl+Tab (step 1) and Ctrl+Shift+Tab (step -1), round the tabs.
  void ShowNextPage(int step);

  // The window loses and gets back the activation: the focus stays where it was.
  void RememberFocus();
  void RestoreFocus();
  // Enter presses the focused button or link.
  void PressFocused() const;

  bool IsLink(HWND control) const;
  // The picture buttons and the links; false for any other control.
  bool DrawItem(const DRAWITEMSTRUCT& item) const;
  HMENU trayMenu() const { return trayMenu_.get(); }

 private:
  void PlaceControls();
  void PlacePages();
  void LoadPictures();
  BOOL Redraw() const;

  HWND form_ = nullptr;
  HINSTANCE instance_ = nullptr;
  UINT dpi_ = 96;
  std::map<std::string, HWND, std::less<>> controls_;
  std::vector<std::string> tabs_;                       // the pages that have a tab, in tab order
  std::map<std::string, LOGFONTW, std::less<>> fonts_;  // at 96 DPI
  std::map<std::string, GdiObject<HFONT>, std::less<>> fontHandles_;
  std::map<std::string, OwnedIcon, std::less<>> pictures_;
  std::map<HWND, COLORREF> textColors_;
  HWND focus_ = nullptr;
  OwnedMenu trayMenu_;
};

// Tahoma 8 pt (height -11 pixels at 96 DPI), the window's designed font.
LOGFONTW DesignedFont();

}  // namespace tandemix
