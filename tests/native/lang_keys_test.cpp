#include "window/lang_keys.h"

#include <gtest/gtest.h>

namespace tandemix {
namespace {

TEST(LangKeysTest, NamesFollowTheFormAndItsComponents) {
  EXPECT_EQ(TextKey(u"", u"Caption"), u"TfrmYahooIM_Main.Caption");
  EXPECT_EQ(TextKey(u"btnStart", u"Caption"), u"TfrmYahooIM_Main.btnStart.Caption");
  EXPECT_EQ(TextKey(u"mniExitApp", u"Caption"), u"TfrmYahooIM_Main.mniExitApp.Caption");
  EXPECT_EQ(TextKey(u"cbbSendLang", u"Items.Text"), u"TfrmYahooIM_Main.cbbSendLang.Items.Text");
  EXPECT_EQ(FontKey(u""), u"TfrmYahooIM_Main.!Font");
  EXPECT_EQ(FontKey(u"lblEmail"), u"TfrmYahooIM_Main.lblEmail.!Font");
}

TEST(LangKeysTest, FontEntriesAreFoundWithOrWithoutTheLastDot) {
  struct Case {
    const char* file;
    const char16_t* component;
    const char16_t* expected;
  } cases[] = {
      {"TfrmYahooIM_Main.btnStart.!Font=Arial,9\r\n", u"btnStart", u"Arial,9"},
      {"TfrmYahooIM_Main.btnStart!Font=Arial,9\r\n", u"btnStart", u"Arial,9"},
      {"TfrmYahooIM_Main.!Font=Arial,9\r\n", u"", u"Arial,9"},
      {"TfrmYahooIM_Main!Font=Arial,9\r\n", u"", u"Arial,9"},
      // Both written: the dotted form wins.
      {"TfrmYahooIM_Main.btnStart!Font=Old,7\r\nTfrmYahooIM_Main.btnStart.!Font=New,9\r\n",
       u"btnStart", u"New,9"},
      // An empty dotted entry does not hide the other.
      {"TfrmYahooIM_Main.btnStart.!Font=\r\nTfrmYahooIM_Main.btnStart!Font=Old,7\r\n", u"btnStart",
       u"Old,7"},
      // Another component's entry is not taken.
      {"TfrmYahooIM_Main.btnStop.!Font=Arial,9\r\n", u"btnStart", u""},
      {"TfrmYahooIM_Main.btnStart.!Font=Arial,9\r\n", u"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FontText(LangFile::Parse(c.file), c.component), c.expected) << c.file;
  }
}

}  // namespace
}  // namespace tandemix
