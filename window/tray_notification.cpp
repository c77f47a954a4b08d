#include "window/tray_notification.h"

namespace tandemix {
namespace {

// The message numbers of the platform's headers, which portable code cannot include.
constexpr uint16_t kLeftButtonUp = 0x0202;   // WM_LBUTTONUP
constexpr uint16_t kRightButtonUp = 0x0205;  // WM_RBUTTONUP
constexpr uint16_t kContextMenu = 0x007B;    // WM_CONTEXTMENU
constexpr uint16_t kSelect = 0x0400;         // NIN_SELECT
constexpr uint16_t kKeySelect = 0x0401;      // NIN_KEYSELECT

}  // namespace

TrayNotification DecodeTrayNotification(bool version4, uint32_t wParam, uint32_t lParam) {
  TrayNotification notification;
  const uint16_t event = uint16_t(lParam & 0xFFFF);
  if (!version4) {
    if (event == kLeftButtonUp) notification.request = TrayRequest::Activate;
    if (event == kRightButtonUp) notification.request = TrayRequest::OpenMenu;
    return notification;
  }
  // Version 4 still reports the button releases, and then what they mean:
  // answering both would open the menu twice.
  if (event == kSelect || event == kKeySelect) notification.request = TrayRequest::Activate;
  if (event == kContextMenu) {
    notification.request = TrayRequest::OpenMenu;
    notification.hasAnchor = true;
    // Signed halves: on a monitor left of or above the main one they are negative.
    notification.x = int16_t(wParam & 0xFFFF);
    notification.y = int16_t(wParam >> 16);
  }
  return notification;
}

}  // namespace tandemix
