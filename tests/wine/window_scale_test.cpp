// The control window at the screen scales users run: Wine takes its DPI from
// LogPixels, so each case sets it, starts the real program and reads the
// window's controls as the system places them.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <map>
#include <optional>
#include <vector>

#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/recorded_calls.h"
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

// A text's width as the control draws it: in the font the program gave the
// control (recorded inside the program, at the window's scale).
int TextWidth(const std::wstring& text, const FontCall& given, UINT prefix) {
  LOGFONTW font{};
  font.lfHeight = given.height;
  font.lfWeight = given.weight;
  font.lfCharSet = given.charset;
  wcsncpy(font.lfFaceName, given.faceName.c_str(), LF_FACESIZE - 1);
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

// The scale the window draws at, as the system tells the program (asked
// inside it: Wine 10 answers another process by that process's own scale).
int WindowDpi(const std::filesystem::path& folder) {
  const std::vector<FontCall> calls = ReadFontCalls(folder);
  return calls.empty() ? 0 : int(calls.back().dpi);
}

// Each caption fits its control beside what the control draws next to it
// (the box of a check box; the picture and frame of a button), all at the
// window's scale.
void ExpectTextsFit(HWND window, const std::filesystem::path& folder, int dpi) {
  std::map<int, FontCall> given;
  for (const FontCall& call : ReadFontCalls(folder)) given[call.controlId] = call;
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
    const auto font = given.find(ControlId(caption.name));
    ASSERT_NE(font, given.end()) << caption.name << " was given no font";
    const int width = TextWidth(WindowText(control), font->second, caption.prefix);
    ASSERT_GT(width, 0) << caption.name;
    EXPECT_LE(width + MulDiv(caption.besideText, dpi, 96), area.right)
        << caption.name << " \"" << Ansi(WindowText(control)) << "\" is cut off";
  }
}

// The parameter is the LogPixels the case sets.
class WindowScaleTest : public ::testing::TestWithParam<DWORD> {
 protected:
  void SetUp() override {
    // Read the other process's windows in its own pixels, unscaled.
    SetProcessDPIAware();
    ClearMessengerInstall();
    messenger_.emplace();
  }
  std::optional<ScopedCandidateFolder> messenger_;
};

TEST_P(WindowScaleTest, ControlsAndTextsFitTheGrownWindowWithoutOverlapInBothLanguages) {
  const ScopedLogPixels scale(GetParam());
  for (const char* lang : {"0", "1"}) {
    SCOPED_TRACE(std::string("LangIndex=") + lang);
    const TempDir folder;  // each language a program folder of its own
    const auto exe =
        LayOutProgramFolder(folder.path(), Edition::Pro, {"Updater.exe", "Glossator.dll"});
    std::ofstream(folder.path() / L"ConfigEN.ini", std::ios::binary)
        << "[Option]\r\nLangIndex=" << lang << "\r\n";
    Program program(exe);
    HWND window = program.WaitForControlWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));

    // The window and all it holds at one scale, its own: 404 x 323 at 96 DPI.
    const int dpi = WindowDpi(folder.path());
    ASSERT_GT(dpi, 0);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, MulDiv(404, dpi, 96)) << "at " << dpi << " DPI";
    EXPECT_EQ(client.bottom, MulDiv(323, dpi, 96)) << "at " << dpi << " DPI";
    ExpectLaidOutWithin(window);
    ExpectTextsFit(window, folder.path(), dpi);

    program.Exit();
    ASSERT_TRUE(program.WaitForExit());
  }
}

INSTANTIATE_TEST_SUITE_P(Dpi, WindowScaleTest, ::testing::Values(DWORD{96}, DWORD{144}, DWORD{192}),
                         [](const auto& info) { return std::to_string(info.param); });

}  // namespace
}  // namespace tandemix::test
