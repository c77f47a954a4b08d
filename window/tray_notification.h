#pragma once

// What the shell's callback message about the tray icon asks of the program.
// The shell speaks one of two formats: the old one (the icon id in wParam,
// the mouse message in lParam) until the program sets version 4; from then
// on the event and the icon id share lParam and wParam carries a point.

#include <cstdint>

namespace tandemix {

enum class TrayRequest {
  None,      // an event the program does not answer (a move, a press)
  Activate,  // a left click, or Enter or Space on the focused icon
  OpenMenu,  // a right click, the context-menu key or Shift+F10
};

struct TrayNotification {
  TrayRequest request = TrayRequest::None;
  // Where the menu opens, in screen coordinates; the old format gives none
  // and the menu then opens at the cursor.
  bool hasAnchor = false;
  int x = 0;
  int y = 0;
};

TrayNotification DecodeTrayNotification(bool version4, uint32_t wParam, uint32_t lParam);

}  // namespace tandemix
