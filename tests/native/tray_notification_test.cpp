#include <gtest/gtest.h>

#include "window/tray_notification.h"

namespace tandemix {
namespace {

// The shell's messages as Windows documents them and Wine 10's shell sends
// them: old format (id 1 in wParam, the event in lParam), or version 4
// (the event in the low half of lParam, id 1 in the high half, the point in wParam).
TEST(DecodeTrayNotificationTest, EachFormatAnswersItsOwnEventsOnly) {
  struct Case {
    const char* label;
    bool version4;
    uint32_t wParam, lParam;
    TrayRequest request;
  } cases[] = {
      {"old left release", false, 1, 0x0202, TrayRequest::Activate},
      {"old right release", false, 1, 0x0205, TrayRequest::OpenMenu},
      {"old left press", false, 1, 0x0201, TrayRequest::None},
      {"old mouse move", false, 1, 0x0200, TrayRequest::None},
      {"old format knows no select", false, 1, 0x0400, TrayRequest::None},
      {"old format knows no context menu", false, 1, 0x007B, TrayRequest::None},
      {"v4 left release", true, 0x00210006, 0x00010202, TrayRequest::None},
      {"v4 right release", true, 0x00210006, 0x00010205, TrayRequest::None},
      {"v4 select (left click)", true, 0x00210006, 0x00010400, TrayRequest::Activate},
      {"v4 key select (Enter, Space)", true, 0x00210006, 0x00010401, TrayRequest::Activate},
      {"v4 context menu", true, 0x00210006, 0x0001007B, TrayRequest::OpenMenu},
      {"v4 mouse move", true, 0x00210006, 0x00010200, TrayRequest::None},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeTrayNotification(c.version4, c.wParam, c.lParam).request, c.request) << c.label;
  }
}

TEST(DecodeTrayNotificationTest, TheMenuOpensAtTheShellsPointOrElseAtTheCursor) {
  const TrayNotification v4 = DecodeTrayNotification(true, 0x01F40320, 0x0001007B);
  EXPECT_TRUE(v4.hasAnchor);
  EXPECT_EQ(v4.x, 800);
  EXPECT_EQ(v4.y, 500);

  // A monitor left of and above the main one.
  const TrayNotification negative = DecodeTrayNotification(true, 0xFFF6FF38, 0x0001007B);
  EXPECT_EQ(negative.x, -200);
  EXPECT_EQ(negative.y, -10);

  EXPECT_FALSE(DecodeTrayNotification(false, 1, 0x0205).hasAnchor);
  EXPECT_FALSE(DecodeTrayNotification(true, 0x00210006, 0x00010401).hasAnchor);
}

}  // namespace
}  // namespace tandemix
