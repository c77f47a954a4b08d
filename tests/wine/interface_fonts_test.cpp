// The fonts and link colours an interface-language file gives, as the program
// hands them to its controls and as it draws the links.

#include <windows.h>

#include <fstream>
#include <map>

#include "tests/utf16_file.h"
#include "tests/wine/recorded_calls.h"
#include "tests/wine/window_test.h"

namespace tandemix::test {
namespace {

using InterfaceFontsTest = WindowTest;

bool Red(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool Blue(COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 80 && GetGValue(c) < 80; }

// The group box's font reaches the labels and lists it holds, which as
// windows lie on the page beside it; the page's reaches its labels but not
// its links; a link's own entry starts from the page's font and gives it its
// colour; the other link keeps the designed Tahoma 8 pt and its blue.
// Heights at the prefix's 96 DPI: 8 pt -11, 9 pt -12, 10 pt -13, 12 pt -16.
TEST_F(InterfaceFontsTest, GroupBoxPageAndLinkEntriesOfTheLanguageFile) {
  LayOutProgramFolder(folder(), Edition::Pro, {"Updater.exe", "Glossator.dll"});
  std::ofstream(ConfigFile(), std::ios::binary) << "[Option]\r\nLangIndex=1\r\n";
  std::ofstream(folder() / L"ENU.txt", std::ios::binary) << Utf16File(
      u"TfrmYahooIM_Main.!Font=Courier New,10\r\n"
      u"TfrmYahooIM_Main.grpTranOption.!Font=Arial,12,B\r\n"
      u"TfrmYahooIM_Main.AboutSheet.!Font=Verdana,9\r\n"
      u"TfrmYahooIM_Main.lblEmail.!Font=,10,B,,clRed\r\n");
  ASSERT_NE(Launch(), nullptr);

  ExpectLastFonts(folder(), {
                                {"grpTranOption", L"Arial", -16, FW_BOLD},
                                {"lblSendLang", L"Arial", -16, FW_BOLD},
                                {"cbbSendLang", L"Arial", -16, FW_BOLD},
                                {"lblRecvLang", L"Arial", -16, FW_BOLD},
                                {"cbbRecvLang", L"Arial", -16, FW_BOLD},
                                {"lblVersionHint", L"Verdana", -12, FW_NORMAL},
                                {"lblWebSite", L"Verdana", -12, FW_NORMAL},
                                {"lblEmail", L"Verdana", -13, FW_BOLD},
                                {"lblHomePage", L"Tahoma", -11, FW_NORMAL},
                                {"btnStart", L"Courier New", -13, FW_NORMAL},
                                {"chkAutoRead", L"Courier New", -13, FW_NORMAL},
                            });

  program().ShowPage("AboutSheet");
  const HWND email = program().Control("lblEmail");
  const HWND homePage = program().Control("lblHomePage");
  EXPECT_TRUE(WaitUntil([&] { return ShowsColour(email, Red); })) << "lblEmail is not red";
  EXPECT_TRUE(WaitUntil([&] { return ShowsColour(homePage, Blue); })) << "lblHomePage is not blue";
  EXPECT_FALSE(ShowsColour(email, Blue));
  EXPECT_FALSE(ShowsColour(homePage, Red));

  program().Exit();
  ASSERT_TRUE(program().WaitForExit());
}

}  // namespace
}  // namespace tandemix::test
