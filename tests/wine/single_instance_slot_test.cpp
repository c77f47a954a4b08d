// The single-instance slot as another process leaves it: a handle whose window
// is gone, or is now another program's, must not keep Tandemix from starting;
// a live application window of Tandemix turns it away.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "platform/owned_handles_win.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

// Written out here, not taken from the program: the name is a contract.
constexpr char kSlotName[] = "{D377C18F-278E-4C5D-AF09-8FE05C1085CD}";
// Written out here too: the class a running instance's application window has.
constexpr wchar_t kTandemixClass[] = L"TandemixApplication";
constexpr wchar_t kOtherClass[] = L"SomeOtherProgramsWindow";

int g_restores = 0;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_RESTORE) {
    ++g_restores;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateTestWindow(const wchar_t* className) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TestWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassW(&windowClass);  // fails harmlessly when registered before
  return CreateWindowExW(0, className, L"slot holder", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The program sends to the test's window, which only answers while the test
// takes its messages.
void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The slot, made by the test before Tandemix starts and kept open through the run.
class Slot {
 public:
  Slot()
      : mapping_(
            CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4, kSlotName)),
        existed_(GetLastError() == ERROR_ALREADY_EXISTS),
        view_(mapping_ ? MapViewOfFile(mapping_.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 4)
                       : nullptr) {}

  bool Ready() const { return view_ && !existed_; }
  void Set(HWND window) { *Value() = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }
  HWND Get() const { return reinterpret_cast<HWND>(static_cast<uintptr_t>(*Value())); }

 private:
  volatile uint32_t* Value() const { return static_cast<volatile uint32_t*>(view_.get()); }

  KernelHandle mapping_;
  bool existed_;
  MappedView view_;
};

class SingleInstanceSlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ClearMessengerInstall(), "") << "the prefix already holds a Messenger client";
    messenger_.emplace();
    ASSERT_TRUE(slot_.Ready()) << "the slot exists already: is a Tandemix running?";
    g_restores = 0;
  }
  void TearDown() override {
    messenger_.reset();
    ClearMessengerInstall();
  }

  // The program comes up, claims the slot with its application window, and ends by Exit.
  void RunsAndClaimsTheSlot(Program& program);

  std::optional<ScopedCandidateFolder> messenger_;
  TempDir program_;
  Slot slot_;
  const fs::path exe_ = LayOutProgramFolder(program_.path(), Edition::Pro, {"Updater.exe"});
};

// A handle the slot may hold once its instance is gone, and what became of it.
struct StaleCase {
  const char* what;
  HWND (*make)();
};

const StaleCase kStaleCases[] = {
    {"a window that is gone",
     [] {
       const HWND gone = CreateTestWindow(kTandemixClass);
       DestroyWindow(gone);
       return gone;
     }},
    {"another program's live window", [] { return CreateTestWindow(kOtherClass); }},
};

TEST_F(SingleInstanceSlotTest, AStaleHandleLeavesTheSlotFree) {
  for (const StaleCase& c : kStaleCases) {
    SCOPED_TRACE(c.what);
    g_restores = 0;
    const HWND stale = c.make();
    slot_.Set(stale);
    {
      Program program(exe_);
      RunsAndClaimsTheSlot(program);
    }
    EXPECT_EQ(g_restores, 0) << "a window that is not Tandemix's was sent the restore command";
    if (IsWindow(stale)) DestroyWindow(stale);
  }
}

void SingleInstanceSlotTest::RunsAndClaimsTheSlot(Program& program) {
  const HWND control = program.WaitForControlWindow();
  ASSERT_NE(control, nullptr) << "the program ended on a stale slot";
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(control) != FALSE; }));

  // The slot now names the program's hidden application window.
  const HWND holder = slot_.Get();
  ASSERT_TRUE(IsWindow(holder)) << "the slot was not claimed";
  DWORD owner = 0;
  GetWindowThreadProcessId(holder, &owner);
  EXPECT_EQ(owner, program.id());
  EXPECT_NE(holder, control);
  EXPECT_FALSE(IsWindowVisible(holder));
  EXPECT_EQ(GetAncestor(holder, GA_PARENT), GetDesktopWindow());

  program.Exit();
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_F(SingleInstanceSlotTest, LiveWindowInTheSlotIsRestoredAndTheProgramEnds) {
  const HWND live = CreateTestWindow(kTandemixClass);
  ASSERT_NE(live, nullptr);
  slot_.Set(live);

  Program program(exe_);
  EXPECT_TRUE(program.EndsWithoutWindow(PumpMessages));
  PumpMessages();
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_EQ(g_restores, 1) << "the window in the slot was not asked to restore";
  EXPECT_EQ(slot_.Get(), live) << "the slot was taken from a running instance";
  DestroyWindow(live);
}

}  // namespace
}  // namespace tandemix::test
