#pragma once

// What the tests of the control window share: a program folder with the
// client found at start-up, the program started until its window shows, the
// block as the plug-in sees it, and the settings file.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/owned_handles_win.h"
#include "tandemix/trans_control_block.h"
#include "tests/fixtures/plugin_contract.h"
#include "tests/wine/ini_values.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/recorded_calls.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {

// The font a control shows: the last one the program gave it, as the
// Glossator stand-in recorded it.
struct ExpectedFont {
  const char* component;
  const wchar_t* face;
  LONG height;
  LONG weight;
};

inline void ExpectLastFonts(const std::filesystem::path& programFolder,
                            const std::vector<ExpectedFont>& fonts) {
  std::map<int, FontCall> last;
  for (const FontCall& call : ReadFontCalls(programFolder)) last[call.controlId] = call;
  for (const ExpectedFont& e : fonts) {
    const auto found = last.find(ControlId(e.component));
    ASSERT_NE(found, last.end()) << e.component << " was given no font";
    EXPECT_EQ(found->second.faceName, e.face) << e.component;
    EXPECT_EQ(found->second.height, e.height) << e.component;
    EXPECT_EQ(found->second.weight, e.weight) << e.component;
  }
}

// The only message box the program has shown, as the user sees it and as the
// Glossator stand-in recorded its call. Call under ASSERT_NO_FATAL_FAILURE.
struct ExpectedBox {
  std::wstring text;
  std::wstring caption;
  UINT icon;
  HWND owner = nullptr;  // the window it shows over; not looked at when null
};

inline void ExpectOnlyBox(HWND box, const std::filesystem::path& programFolder,
                          const ExpectedBox& expected) {
  EXPECT_EQ(DialogMessage(box), expected.text);
  EXPECT_EQ(WindowText(box), expected.caption);
  const std::vector<BoxCall> boxes = ReadBoxCalls(programFolder);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, expected.icon);
  if (expected.owner) {
    EXPECT_EQ(boxes[0].owner, expected.owner);
  }
}

// The block as the plug-in opens it, by its name written out; holding it keeps
// it alive after the program.
class PluginView {
 public:
  PluginView()
      : mapping_(
            OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, fixture::kBlockMappingName)),
        view_(mapping_ ? MapViewOfFile(mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0)
                       : nullptr) {}
  const TransControlBlock* get() const { return static_cast<TransControlBlock*>(view_.get()); }
  const TransControlBlock* operator->() const { return get(); }
  explicit operator bool() const { return bool(view_); }

 private:
  KernelHandle mapping_;
  MappedView view_;
};

// Some pixel of the screen under the control is of that colour; near it is
// enough, wherever text is drawn smoothed.
inline bool ShowsColour(HWND control, const std::function<bool(COLORREF)>& colour) {
  RECT area;
  GetWindowRect(control, &area);
  HDC screen = GetDC(nullptr);
  bool found = false;
  for (int y = area.top; y < area.bottom && !found; ++y) {
    for (int x = area.left; x < area.right && !found; ++x) found = colour(GetPixel(screen, x, y));
  }
  ReleaseDC(nullptr, screen);
  return found;
}

inline bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }
inline bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMessengerInstall();
    messenger_.emplace();  // found at start-up, so no prompt
  }

  const std::filesystem::path& folder() const { return folder_->path(); }
  std::filesystem::path ConfigFile() const { return folder() / L"ConfigEN.ini"; }

  // Lays out the program folder (with the updater and the recording
  // Glossator.dll), writes ConfigEN.ini when lines are given, and starts the
  // program. Returns the control window once the message loop shows it.
  HWND Start(Edition edition, const std::string& configLines = "",
             std::vector<std::string> fixtures = {"Updater.exe", "Glossator.dll"}) {
    LayOutProgramFolder(folder(), edition, fixtures);
    if (!configLines.empty()) {
      std::ofstream(ConfigFile(), std::ios::binary) << "[Option]\r\n" << configLines;
    }
    return Launch();
  }

  // Starts the program of a folder already laid out; the control window once shown.
  HWND Launch() {
    program_.emplace(folder() / L"Tandemix.exe");
    return program_->WaitForShownControlWindow();
  }

  Program& program() { return *program_; }

  // The next case of a table: the program of the case before ended, and a
  // program folder of its own (the old one goes once nothing runs from it).
  void NextCase() {
    program_.reset();
    folder_.emplace();
  }

  std::optional<TempDir> folder_{std::in_place};
  std::optional<ScopedCandidateFolder> messenger_;
  std::optional<Program> program_;
};

}  // namespace tandemix::test
