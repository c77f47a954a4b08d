#include "window/lang_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

namespace tandemix {
namespace {

FontAttributes Designed() {
  FontAttributes font;
  font.name = u"Tahoma";
  font.size = 8;
  return font;
}

FontAttributes SystemDefault() {
  FontAttributes font;
  font.name = u"System UI";
  font.size = 9;
  font.bold = true;  // not taken: only name, size and charset come from it
  font.charset = 0;
  return font;
}

LangPlan Plan(const char* file) {
  return PlanInterfaceLanguage(LangFile::Parse(file), Designed(), SystemDefault());
}

std::map<std::string, ComponentChange> ByName(const LangPlan& plan) {
  std::map<std::string, ComponentChange> changes;
  for (const ComponentChange& change : plan.components) changes.emplace(change.name, change);
  return changes;
}

TEST(LangPlanTest, TextsOfTheFileAndNothingElse) {
  struct Case {
    const char* file;
    const char* component;
    const char16_t* text;
  } cases[] = {
      {"TfrmYahooIM_Main.btnStart.Caption=Start\r\n", "btnStart", u"Start"},
      {"TfrmYahooIM_Main.lblSendLang.Caption=Send<BR>to\r\n", "lblSendLang", u"Send\r\nto"},
      {"TfrmYahooIM_Main.mniExitApp.Caption=Quit\r\n", "mniExitApp", u"Quit"},
      {"TfrmYahooIM_Main.AboutSheet.Caption=About\r\n", "AboutSheet", u"About"},
  };
  for (const Case& c : cases) {
    const LangPlan plan = Plan(c.file);
    ASSERT_EQ(plan.components.size(), 1u) << c.file;
    EXPECT_STREQ(plan.components[0].name, c.component);
    EXPECT_EQ(plan.components[0].text, c.text);
    EXPECT_FALSE(plan.components[0].font);
    EXPECT_FALSE(plan.caption);
  }
}

TEST(LangPlanTest, ListItemsAndTheWindowCaption) {
  const LangPlan plan = Plan(
      "TfrmYahooIM_Main.Caption=Translator\r\n"
      "TfrmYahooIM_Main.cbbSendLang.Items.Text=English<BR>Deutsch\r\n"
      // Pictures and the page control have no caption to set.
      "TfrmYahooIM_Main.imgLogo.Caption=x\r\nTfrmYahooIM_Main.MainPageControl.Caption=x\r\n");
  EXPECT_EQ(plan.caption, u"Translator");
  const auto changes = ByName(plan);
  ASSERT_EQ(changes.size(), 1u);
  const std::vector<std::u16string> items = {u"English", u"Deutsch"};
  EXPECT_EQ(changes.at("cbbSendLang").items, items);
}

TEST(LangPlanTest, AHeaderOnlyFileSetsOnlyTheWindowFont) {
  const LangPlan plan = Plan("!TranslationDefaultFont=Arial,10,,,,GB2312_CHARSET\r\n");
  EXPECT_TRUE(plan.components.empty());
  FontAttributes expected = Designed();
  expected.name = u"Arial";
  expected.size = 10;
  expected.charset = 134;
  EXPECT_EQ(plan.formFont, expected);
  EXPECT_FALSE(plan.caption);
}

TEST(LangPlanTest, WithoutADefaultFontEntryTheSystemFontGivesNameSizeAndCharset) {
  FontAttributes expected = Designed();
  expected.name = u"System UI";
  expected.size = 9;
  expected.charset = 0;
  EXPECT_EQ(Plan("").formFont, expected);
}

TEST(LangPlanTest, ComponentFontsInBothKeyFormsStartFromTheWindowFont) {
  for (const char* file : {"TfrmYahooIM_Main.!Font=Verdana\r\n"
                           "TfrmYahooIM_Main.btnStart.!Font=,12,B\r\n",
                           "TfrmYahooIM_Main!Font=Verdana\r\n"
                           "TfrmYahooIM_Main.btnStart!Font=,12,B\r\n"}) {
    const LangPlan plan = Plan(file);
    EXPECT_EQ(plan.formFont.name, u"Verdana") << file;
    const auto changes = ByName(plan);
    ASSERT_EQ(changes.count("btnStart"), 1u) << file;
    ASSERT_TRUE(changes.at("btnStart").font);
    EXPECT_EQ(changes.at("btnStart").font->name, u"Verdana");
    EXPECT_EQ(changes.at("btnStart").font->size, 12);
    EXPECT_TRUE(changes.at("btnStart").font->bold);
  }
}

TEST(LangPlanTest, TextColourGoesToLabelsCheckBoxesAndGroupsOnly) {
  // The window's colour reaches every control that can show it; a control's
  // own font overrides it.
  const auto changes =
      ByName(Plan("TfrmYahooIM_Main.!Font=,,,,clRed\r\n"
                  "TfrmYahooIM_Main.lblRecvLang.!Font=,,,,$00FF00\r\n"
                  "TfrmYahooIM_Main.btnStart.!Font=,,,,clBlue\r\n"));
  const std::map<std::string, uint32_t> expected = {
      {"grpTranOption", 0x0000FF},  {"lblSendLang", 0x0000FF},   {"lblRecvLang", 0x00FF00},
      {"chkNeedConfirm", 0x0000FF}, {"chkAutoRead", 0x0000FF},   {"chkSaveHistory", 0x0000FF},
      {"lblVersionHint", 0x0000FF}, {"lblVersionStr", 0x0000FF}, {"lblContactEmail", 0x0000FF},
      {"lblWebSite", 0x0000FF},
  };
  std::map<std::string, uint32_t> colored;
  for (const auto& [name, change] : changes) {
    if (change.textColor) colored.emplace(name, *change.textColor);
  }
  EXPECT_EQ(colored, expected);
}

// What the tables below tell fonts apart by.
struct Shown {
  std::u16string face;
  int size;
  bool bold;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& font, std::ostream* out) {
  *out << std::string(font.face.begin(), font.face.end()) << ' ' << font.size
       << (font.bold ? " bold" : "");
}

// The font a control shows: its own entry's, else that of the group box, page
// or page control holding it (the group box holds the labels and lists beside
// it), else the window's, which leaves it out of the plan. The links take
// neither the window's nor a holder's. Sizes in points.
TEST(LangPlanTest, AFontEntryReachesWhatItsComponentHolds) {
  using Fonts = std::map<std::string, Shown>;
  const Shown arial12b{u"Arial", 12, true};
  const Shown verdana9{u"Verdana", 9, false};
  struct Case {
    const char* why;
    const char* file;
    Fonts fonts;
  } cases[] = {
      {"a group box: its labels and lists",
       "TfrmYahooIM_Main.grpTranOption.!Font=Arial,12,B\r\n",
       {{"grpTranOption", arial12b},
        {"lblSendLang", arial12b},
        {"cbbSendLang", arial12b},
        {"lblRecvLang", arial12b},
        {"cbbRecvLang", arial12b}}},
      {"a page: its controls, the links excepted",
       "TfrmYahooIM_Main.AboutSheet.!Font=Verdana,9\r\n",
       {{"AboutSheet", verdana9},
        {"lblVersionHint", verdana9},
        {"lblVersionStr", verdana9},
        {"lblContactEmail", verdana9},
        {"lblWebSite", verdana9}}},
      {"the page of the group box: through it",
       "TfrmYahooIM_Main.FunctionSheet.!Font=Verdana,9\r\n",
       {{"FunctionSheet", verdana9},
        {"grpTranOption", verdana9},
        {"lblSendLang", verdana9},
        {"cbbSendLang", verdana9},
        {"lblRecvLang", verdana9},
        {"cbbRecvLang", verdana9}}},
      {"the page control: its pages and all they hold, not the buttons",
       "TfrmYahooIM_Main.MainPageControl.!Font=Verdana,9\r\n",
       {{"MainPageControl", verdana9},
        {"FunctionSheet", verdana9},
        {"SystemSetSheet", verdana9},
        {"AboutSheet", verdana9},
        {"grpTranOption", verdana9},
        {"lblSendLang", verdana9},
        {"cbbSendLang", verdana9},
        {"lblRecvLang", verdana9},
        {"cbbRecvLang", verdana9},
        {"chkNeedConfirm", verdana9},
        {"chkAutoRead", verdana9},
        {"chkSaveHistory", verdana9},
        {"lblVersionHint", verdana9},
        {"lblVersionStr", verdana9},
        {"lblContactEmail", verdana9},
        {"lblWebSite", verdana9}}},
      {"a held control's own entry starts from its holder's font",
       "TfrmYahooIM_Main.grpTranOption.!Font=Arial,12,B\r\n"
       "TfrmYahooIM_Main.lblRecvLang.!Font=,10\r\n",
       {{"grpTranOption", arial12b},
        {"lblSendLang", arial12b},
        {"cbbSendLang", arial12b},
        {"lblRecvLang", {u"Arial", 10, true}},
        {"cbbRecvLang", arial12b}}},
      {"a link's entry starts from its page's font",
       "TfrmYahooIM_Main.AboutSheet.!Font=Verdana,9\r\n"
       "TfrmYahooIM_Main.lblEmail.!Font=,10,B\r\n",
       {{"AboutSheet", verdana9},
        {"lblVersionHint", verdana9},
        {"lblVersionStr", verdana9},
        {"lblContactEmail", verdana9},
        {"lblEmail", {u"Verdana", 10, true}},
        {"lblWebSite", verdana9}}},
      {"a link's entry on a plain page starts from the window's font",
       "TfrmYahooIM_Main.!Font=Courier New\r\nTfrmYahooIM_Main.lblHomePage!Font=,11\r\n",
       {{"lblHomePage", {u"Courier New", 11, false}}}},
      {"the window's fonts alone give no control one of its own",
       "!TranslationDefaultFont=Arial,10\r\nTfrmYahooIM_Main.!Font=,,B\r\n",
       {}},
      {"pictures and menu items have no font",
       "TfrmYahooIM_Main.imgLogo.!Font=Arial\r\nTfrmYahooIM_Main.mniExitApp.!Font=Arial\r\n",
       {}},
  };
  for (const Case& c : cases) {
    Fonts fonts;
    for (const ComponentChange& change : Plan(c.file).components) {
      if (change.font)
        fonts[change.name] = {change.font->name, change.font->size, change.font->bold};
    }
    EXPECT_EQ(fonts, c.fonts) << c.why;
  }
}

TEST(LangPlanTest, TextColoursFollowTheFontsAndALinkTakesOnlyItsOwnEntrys) {
  constexpr uint32_t kRed = 0x0000FF, kGreen = 0x008000, kWindowText = 0xFF000008;
  struct Case {
    const char* why;
    const char* file;
    std::map<std::string, uint32_t> colours;
  } cases[] = {
      {"a link's own entry",
       "TfrmYahooIM_Main.lblEmail.!Font=Arial,10,,,clRed\r\n",
       {{"lblEmail", kRed}}},
      {"a link's entry without a colour: its page's",
       "TfrmYahooIM_Main.lblHomePage.!Font=Arial\r\n",
       {{"lblHomePage", kWindowText}}},
      {"a link's entry through its page's colour",
       "TfrmYahooIM_Main.AboutSheet.!Font=,,,,clGreen\r\nTfrmYahooIM_Main.lblEmail.!Font=,10\r\n",
       {{"lblVersionHint", kGreen},
        {"lblVersionStr", kGreen},
        {"lblContactEmail", kGreen},
        {"lblEmail", kGreen},
        {"lblWebSite", kGreen}}},
      {"the window's and a page's colours leave the links blue",
       "TfrmYahooIM_Main.!Font=,,,,clRed\r\nTfrmYahooIM_Main.AboutSheet.!Font=,,,,clGreen\r\n",
       {{"grpTranOption", kRed},
        {"lblSendLang", kRed},
        {"lblRecvLang", kRed},
        {"chkNeedConfirm", kRed},
        {"chkAutoRead", kRed},
        {"chkSaveHistory", kRed},
        {"lblVersionHint", kGreen},
        {"lblVersionStr", kGreen},
        {"lblContactEmail", kGreen},
        {"lblWebSite", kGreen}}},
      {"a group box's colour: its labels, not its lists",
       "TfrmYahooIM_Main.grpTranOption.!Font=,,,,clRed\r\n",
       {{"grpTranOption", kRed}, {"lblSendLang", kRed}, {"lblRecvLang", kRed}}},
  };
  for (const Case& c : cases) {
    std::map<std::string, uint32_t> colours;
    for (const ComponentChange& change : Plan(c.file).components) {
      if (change.textColor) colours[change.name] = *change.textColor;
    }
    EXPECT_EQ(colours, c.colours) << c.why;
  }
}

TEST(LangPlanTest, TheDefaultColourSetsNoTextColour) {
  for (const auto& change :
       Plan("TfrmYahooIM_Main.lblSendLang.!Font=,,,,clWindowText\r\n").components) {
    EXPECT_FALSE(change.textColor) << change.name;
  }
}

}  // namespace
}  // namespace tandemix
