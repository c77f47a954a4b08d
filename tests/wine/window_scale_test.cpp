// The control window at the screen scales users run: Wine takes its DPI from
// LogPixels, so each case sets it, starts the real program and reads the
// window's controls as the system places them.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <optional>
#include <vector>

#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// The prefix is shared: the scale goes back to what it was.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(DWORD dpi) {
    DWORD size = sizeof previous_;
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr,
                     &previous_, &size) != ERROR_SUCCESS)
      previous_ = 96;
    Set(dpi);
  }
  ~ScopedLogPixels() { Set(previous_); }
  ScopedLogPixels(const ScopedLogPixels&) = delete;
  ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

 private:
  static void Set(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
  }
  DWORD previous_ = 96;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM into) {
  reinterpret_cast<std::vector<HWND>*>(into)->push_back(child);
  return TRUE;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> all, direct;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
  for (HWND child : all) {
    if (GetParent(child) == parent) direct.push_back(child);
  }
  return direct;
}

// A window's place in its parent's client area.
RECT PlaceIn(HWND parent, HWND child) {
  RECT place;
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool IsGroupBox(HWND window) {
  return _wcsicmp(ClassNameOf(window).c_str(), L"Button") == 0 &&
         (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

std::string Describe(HWND window) {
  return std::to_string(GetDlgCtrlID(window)) + " " + Ansi(ClassNameOf(window)) + " \"" +
         Ansi(WindowText(window)) + "\"";
}

bool IsPage(HWND window) { return ClassNameOf(window) == L"TandemixPage"; }
bool IsTabStrip(HWND window) { return ClassNameOf(window) == L"SysTabControl32"; }

// Hidden pages count (they show when their tab is chosen); hidden helpers do not.
bool Counts(HWND window) {
  return IsPage(window) || (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
}

// Every child lies inside its parent's client area; siblings do not overlap,
// except that the pages lie on the tab strip, one over the other, and what a
// group box frames lies inside the frame.
void ExpectLaidOutWithin(HWND parent) {
  RECT client;
  GetClientRect(parent, &client);
  std::vector<HWND> children = Children(parent);
  std::erase_if(children, [](HWND child) { return !Counts(child); });
  for (HWND child : children) {
    const RECT place = PlaceIn(parent, child);
    EXPECT_TRUE(Inside(place, client)) << Describe(child) << " sticks out of " << Describe(parent);
    for (HWND other : children) {
      if (other == child || IsGroupBox(child) || IsTabStrip(child)) continue;
      const RECT otherPlace = PlaceIn(parent, other);
      RECT overlap;
      if (!IntersectRect(&overlap, &place, &otherPlace)) continue;
      if (IsPage(child) && IsPage(other)) {
        EXPECT_TRUE(EqualRect(&place, &otherPlace)) << "pages lie one over the other";
      } else if (IsGroupBox(other) || (IsPage(child) && IsTabStrip(other))) {
        EXPECT_TRUE(Inside(place, otherPlace))
            << Describe(child) << " crosses the frame of " << Describe(other);
      } else {
        ADD_FAILURE() << Describe(child) << " overlaps " << Describe(other);
      }
    }
    ExpectLaidOutWithin(child);
  }
}

// A text's width in the window's font as the interface-language files give
// it: Tahoma 8 pt, with the file's character set.
int TextWidth(const std::wstring& text, DWORD dpi, BYTE charset, UINT prefix) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(8, int(dpi), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = charset;
  wcscpy(font.lfFaceName, L"Tahoma");
  HDC screen = GetDC(nullptr);
  HFONT handle = CreateFontIndirectW(&font);
  HGDIOBJ old = SelectObject(screen, handle);
  RECT area{};
  DrawTextW(screen, text.c_str(), int(text.size()), &area, DT_CALCRECT | DT_SINGLELINE | prefix);
  SelectObject(screen, old);
  DeleteObject(handle);
  ReleaseDC(nullptr, screen);
  return area.right;
}

// Each caption fits its control beside what the control draws next to it
// (the box of a check box; the picture and frame of a button).
void ExpectTextsFit(HWND window, DWORD dpi, BYTE charset) {
  struct Caption {
    const char* name;
    int besideText;  // at 96 DPI
    UINT prefix;
  };
  const Caption captions[] = {
      {"lblSendLang", 0, DT_NOPREFIX},
      {"lblRecvLang", 0, DT_NOPREFIX},
      {"lblVersionHint", 0, DT_NOPREFIX},
      {"lblVersionStr", 0, DT_NOPREFIX},
      {"lblContactEmail", 0, DT_NOPREFIX},
      {"lblWebSite", 0, DT_NOPREFIX},
      {"lblEmail", 0, DT_NOPREFIX},
      {"lblHomePage", 0, DT_NOPREFIX},
      {"chkNeedConfirm", 16, 0},
      {"chkAutoRead", 16, 0},
      {"chkSaveHistory", 16, 0},
      {"btnStart", 16 + 8, 0},
      {"btnStop", 16 + 8, 0},
      {"btnExit", 16 + 8, 0},
  };
  for (const Caption& caption : captions) {
    HWND control = FindControl(window, ControlId(caption.name));
    RECT area;
    GetClientRect(control, &area);
    const int width = TextWidth(WindowText(control), dpi, charset, caption.prefix);
    ASSERT_GT(width, 0) << caption.name;
    EXPECT_LE(width + MulDiv(caption.besideText, int(dpi), 96), area.right)
        << caption.name << " \"" << Ansi(WindowText(control)) << "\" is cut off";
  }
}

struct Scale {
  DWORD dpi;
  int clientWidth, clientHeight;  // 404 x 323 at 96 DPI, grown by the scale
};

class WindowScaleTest : public ::testing::TestWithParam<Scale> {
 protected:
  void SetUp() override {
    // Read the other process's windows in its own pixels, unscaled.
    SetProcessDPIAware();
    ClearMessengerInstall();
    messenger_.emplace();
  }
  TempDir folder_;
  std::optional<ScopedCandidateFolder> messenger_;
};

TEST_P(WindowScaleTest, ControlsAndTextsFitTheGrownWindowWithoutOverlapInBothLanguages) {
  const ScopedLogPixels scale(GetParam().dpi);
  for (const char* lang : {"0", "1"}) {
    SCOPED_TRACE(std::string("LangIndex=") + lang);
    const auto exe = LayOutProgramFolder(folder_.path(), Edition::Pro, {"Updater.exe"});
    std::ofstream(folder_.path() / L"ConfigEN.ini", std::ios::binary)
        << "[Option]\r\nLangIndex=" << lang << "\r\n";
    Program program(exe);
    HWND window = program.WaitForControlWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, GetParam().clientWidth);
    EXPECT_EQ(client.bottom, GetParam().clientHeight);
    ExpectLaidOutWithin(window);
    ExpectTextsFit(window, GetParam().dpi, lang[0] == '0' ? GB2312_CHARSET : DEFAULT_CHARSET);

    program.Exit();
    ASSERT_TRUE(program.WaitForExit());
  }
}

INSTANTIATE_TEST_SUITE_P(Dpi, WindowScaleTest,
                         ::testing::Values(Scale{96, 404, 323}, Scale{144, 606, 485},
                                           Scale{192, 808, 646}),
                         [](const auto& info) { return std::to_string(info.param.dpi); });

}  // namespace
}  // namespace tandemix::test
