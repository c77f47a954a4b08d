#include "window/lang_keys.h"

#include <gtest/gtest.h>

namespace tandemix {
namespace {

TEST(LangKeysTest, NamesFollowTheFormAndItsComponents) {
  EXPECT_EQ(TextKey(u"", u"Caption"), u"TfrmYahooIM_Main.Caption");
  EXPECT_EQ(TextKey(u"btnStart", u"Caption"), u"TfrmYahooIM_Main.btnStart.Caption");
  EXPECT_EQ(TextKey(u"mniExitApp", u"Caption"), u"TfrmYahooIM_Main.mniExitApp.Caption");
  EXPECT_EQ(TextKey(u"cbbSendLang", u"Items.Text"), u"TfrmYahooIM_Main.cbbSendLang.Items.Text");
  EXPECT_EQ(FontKey(u""), u"TfrmYahooIM_Main!Font");
  EXPECT_EQ(FontKey(u"lblEmail"), u"TfrmYahooIM_Main.lblEmail!Font");
}

}  // namespace
}  // namespace tandemix
