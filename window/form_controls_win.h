#pragma once

// The control window's components as real controls, made from the stored
// description and addressed by their names.

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

  void Create(HWND form, HINSTANCE instance);

  HWND Get(std::string_view name) const;
  // The component a control or menu id belongs to; empty when none.
  std::string NameOfId(int id) const;
  int IdOf(std::string_view name) const;

  std::u16string Text(std::string_view name) const;
  void SetText(std::string_view name, const std::u16string& text);
  void SetItems(std::string_view name, const std::vector<std::u16string>& items);
  // A component's own font; the form's (kFormClassName) goes to every control
  // without one of its own.
  void SetFont(std::string_view name, const LOGFONTW& font);
  void SetTextColor(std::string_view name, COLORREF color);
  // The colour a control's text is drawn in; nothing for the system's own.
  std::optional<COLORREF> TextColorOf(HWND control) const;

  // Pages of the page control.
  void RemovePage(std::string_view name);
  void ShowPage(std::string_view name);
  void ShowSelectedPage();

  bool IsLink(HWND control) const;
  HMENU trayMenu() const { return trayMenu_.get(); }

 private:
  HWND form_ = nullptr;
  std::map<std::string, HWND, std::less<>> controls_;
  std::vector<std::string> tabs_;  // the pages that have a tab, in tab order
  std::map<std::string, GdiObject<HFONT>, std::less<>> fonts_;
  std::vector<GdiObject<HBITMAP>> pictures_;
  std::map<HWND, COLORREF> textColors_;
  OwnedMenu trayMenu_;
};

// Tahoma 8 pt (height -11 pixels), the window's designed font.
LOGFONTW DesignedFont();

}  // namespace tandemix
