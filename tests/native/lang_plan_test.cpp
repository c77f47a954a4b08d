#include "window/lang_plan.h"

#include <gtest/gtest.h>

#include <map>
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

TEST(LangPlanTest, TheDefaultColourSetsNoTextColour) {
  for (const auto& change :
       Plan("TfrmYahooIM_Main.lblSendLang.!Font=,,,,clWindowText\r\n").components) {
    EXPECT_FALSE(change.textColor) << change.name;
  }
}

}  // namespace
}  // namespace tandemix
