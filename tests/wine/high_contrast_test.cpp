// A high-contrast theme: the texts and backgrounds take the system's colours
// (the links too, blue otherwise, and the colours of the interface-language
// file give way), and the focus rectangle shows on the owner-drawn links.

#include <windows.h>

#include <fstream>

#include "tests/utf16_file.h"
#include "tests/wine/keyboard_input.h"
#include "tests/wine/window_test.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

// The system's colours of a black high-contrast theme.
constexpr int kElements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HOTLIGHT, COLOR_WINDOW,
                             COLOR_WINDOWTEXT};
constexpr COLORREF kThemeColours[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 0),
                                      RGB(0, 0, 0), RGB(255, 255, 255)};
constexpr int kCount = int(std::size(kElements));

// The setting as the user turns it on, for the program of that folder, and
// back as it was when dropped. Wine 10 refuses SPI_SETHIGHCONTRAST
// (ERROR_INVALID_SPI_VALUE) and reports the theme off whatever is done: there
// the Glossator stand-in reports it on to the program, and the change is told
// to every window as the system tells it.
class HighContrastSetting {
 public:
  explicit HighContrastSetting(const fs::path& programFolder)
      : flag_(programFolder / L"Glossator.dll.highcontrast") {
    saved_.cbSize = sizeof saved_;
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof saved_, &saved_, 0);
    HIGHCONTRASTW on{};
    on.cbSize = sizeof on;
    on.dwFlags = HCF_HIGHCONTRASTON;
    turnedOn_ = SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof on, &on, SPIF_SENDCHANGE);
    if (!turnedOn_) {
      std::ofstream{flag_};
      Broadcast();
    }
  }
  ~HighContrastSetting() {
    if (turnedOn_) {
      SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof saved_, &saved_, SPIF_SENDCHANGE);
    } else {
      std::error_code ignored;
      fs::remove(flag_, ignored);
      Broadcast();
    }
  }
  HighContrastSetting(const HighContrastSetting&) = delete;
  HighContrastSetting& operator=(const HighContrastSetting&) = delete;

 private:
  // Sent, not notified: the system refuses that for a message that may carry
  // a pointer.
  static void Broadcast() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_ABORTIFHUNG,
                        UINT(kWindowWait.count()), &ignored);
  }

  fs::path flag_;
  HIGHCONTRASTW saved_{};
  bool turnedOn_ = false;
};

// The system's colours of a black high-contrast theme, back as they were when
// dropped. Under Wine a program that runs keeps the colours it started with:
// they are set before it starts.
class ThemeColours {
 public:
  ThemeColours() {
    for (int i = 0; i < kCount; ++i) saved_[i] = GetSysColor(kElements[i]);
    SetSysColors(kCount, kElements, kThemeColours);
  }
  ~ThemeColours() { SetSysColors(kCount, kElements, saved_); }
  ThemeColours(const ThemeColours&) = delete;
  ThemeColours& operator=(const ThemeColours&) = delete;

 private:
  COLORREF saved_[kCount];
};

bool Near(COLORREF c, int r, int g, int b) {
  return std::abs(GetRValue(c) - r) < 60 && std::abs(GetGValue(c) - g) < 60 &&
         std::abs(GetBValue(c) - b) < 60;
}
bool Red(COLORREF c) { return Near(c, 255, 0, 0); }
bool Blue(COLORREF c) { return Near(c, 0, 0, 255); }
bool Yellow(COLORREF c) { return Near(c, 255, 255, 0); }
bool White(COLORREF c) { return Near(c, 255, 255, 255); }

// The colour of the screen at a point of a window's client area.
COLORREF ColourAt(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

class HighContrastTest : public WindowTest {
 protected:
  // The English interface, whose language file colours a label and a link red.
  void LayOut() {
    LayOutProgramFolder(folder(), Edition::Pro, {"Updater.exe", "Glossator.dll"});
    std::ofstream(ConfigFile(), std::ios::binary) << "[Option]\r\nLangIndex=1\r\n";
    std::ofstream(folder() / L"ENU.txt", std::ios::binary) << Utf16File(
        u"TfrmYahooIM_Main.lblContactEmail.!Font=,,,,clRed\r\n"
        u"TfrmYahooIM_Main.lblEmail.!Font=,,,,clRed\r\n");
  }

  // Starts the program and goes to the About page from the keyboard: the
  // focus then lies on the tab strip.
  void LaunchOnAboutPage() {
    window_ = Launch();
    ASSERT_NE(window_, nullptr);
    SetForegroundWindow(window_);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window_; }));
    Press(VK_TAB, {VK_CONTROL, VK_SHIFT});
    ASSERT_TRUE(WaitUntil([&] { return Visible(program().Control("AboutSheet")); }));
    label_ = program().Control("lblContactEmail");
    email_ = program().Control("lblEmail");
    homePage_ = program().Control("lblHomePage");
  }

  HWND window_ = nullptr;
  HWND label_ = nullptr;
  HWND email_ = nullptr;
  HWND homePage_ = nullptr;
};

TEST_F(HighContrastTest, OnAtTheStartTheWindowDrawsInTheThemesColours) {
  LayOut();
  const ThemeColours colours;
  const HighContrastSetting setting(folder());
  ASSERT_NO_FATAL_FAILURE(LaunchOnAboutPage());

  EXPECT_TRUE(WaitUntil([&] { return ShowsColour(homePage_, Yellow); }))
      << "the link does not take the system's colour of links";
  EXPECT_TRUE(ShowsColour(email_, Yellow)) << "the language file's colour beats the theme";
  EXPECT_FALSE(ShowsColour(homePage_, Blue));
  EXPECT_FALSE(ShowsColour(email_, Red));
  EXPECT_FALSE(ShowsColour(label_, Red));
  EXPECT_TRUE(ShowsColour(label_, White));
  const HWND page = program().Control("AboutSheet");
  RECT pageArea;
  GetClientRect(page, &pageArea);
  EXPECT_EQ(ColourAt(page, pageArea.right - 5, pageArea.bottom - 5), RGB(0, 0, 0))
      << "the page is not in the theme's background";
  // Between Start and Stop, below the tab strip.
  EXPECT_EQ(ColourAt(window_, 130, 300), RGB(0, 0, 0))
      << "the window is not in the theme's background";

  // The focus rectangle, drawn over the theme's black as its white, shows on
  // the link that has the focus and on no other.
  EXPECT_FALSE(ShowsColour(email_, White));
  Press(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window_) == email_; }))
      << "Tab did not reach the link";
  EXPECT_TRUE(WaitUntil([&] { return ShowsColour(email_, White); })) << "no focus on lblEmail";
  EXPECT_FALSE(ShowsColour(homePage_, White));
  Press(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window_) == homePage_; }));
  EXPECT_TRUE(WaitUntil([&] { return ShowsColour(homePage_, White); }))
      << "no focus on lblHomePage";
  EXPECT_FALSE(ShowsColour(email_, White));
}

// Turned on and off while the program runs: the window is drawn anew each
// time, in the colours the theme wants.
TEST_F(HighContrastTest, SwitchedWhileTheProgramRuns) {
  LayOut();
  ASSERT_NO_FATAL_FAILURE(LaunchOnAboutPage());
  ASSERT_TRUE(WaitUntil([&] { return ShowsColour(homePage_, Blue); })) << "no blue link";
  ASSERT_TRUE(ShowsColour(email_, Red));
  ASSERT_TRUE(ShowsColour(label_, Red));
  {
    const HighContrastSetting setting(folder());
    EXPECT_TRUE(WaitUntil([&] { return !ShowsColour(homePage_, Blue); })) << "the link stays blue";
    EXPECT_TRUE(WaitUntil([&] { return !ShowsColour(email_, Red) && !ShowsColour(label_, Red); }))
        << "the language file's colour stays";
  }
  EXPECT_TRUE(WaitUntil([&] { return ShowsColour(homePage_, Blue); })) << "the blue is not back";
  EXPECT_TRUE(ShowsColour(label_, Red));
}

}  // namespace
}  // namespace tandemix::test
