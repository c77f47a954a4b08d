#include "window/lang_file.h"
#include "tests/utf16_file.h"

#include <gtest/gtest.h>

#include <string>

namespace tandemix {
namespace {

using test::Utf16File;

TEST(LangFileTest, ReadsEachEncodingByItsMark) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u16string expected;
  } cases[] = {
      {"UTF-16LE", Utf16File(u"k=\u4E2D\u6587\r\n", false), u"\u4E2D\u6587"},
      {"UTF-16BE", Utf16File(u"k=\u4E2D\u6587\r\n", true), u"\u4E2D\u6587"},
      {"UTF-8", "\xEF\xBB\xBFk=\xE4\xB8\xAD\xE6\x96\x87\r\n", u"\u4E2D\u6587"},
      {"UTF-8 beyond the BMP", "\xEF\xBB\xBFk=\xF0\x9F\x98\x80", u"\U0001F600"},
#ifdef _WIN32
      // The Windows build's tests run with code page 936.
      {"ANSI", "k=\xD6\xD0\xCE\xC4\r\n", u"\u4E2D\u6587"},
      {"UTF-8 bytes without a mark are ANSI", "k=\xC3\xA9", u"\u8305"},
#else
      // The native build stands Latin-1 in for the ANSI code page.
      {"ANSI", "k=\xD6\xD0\xCE\xC4\r\n", u"\u00D6\u00D0\u00CE\u00C4"},
      {"UTF-8 bytes without a mark are ANSI", "k=\xC3\xA9", u"\u00C3\u00A9"},
#endif
      {"UTF-16 stray last byte", Utf16File(u"k=ab", false) + "x", u"ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LangFile::Parse(c.bytes).Text(u"k"), c.expected) << c.name;
  }
}

TEST(LangFileTest, BrokenUtf8NeverSwallowsTheLineBreak) {
  const LangFile file = LangFile::Parse(
      "\xEF\xBB\xBF"
      "a=x\xE4\xB8\nb=\xC0\xAF\xED\xA0\x80\nc=ok");
  EXPECT_EQ(file.Text(u"a"), u"x\uFFFD");
  EXPECT_EQ(file.Text(u"b").find_first_not_of(u'\uFFFD'), std::u16string::npos);
  EXPECT_EQ(file.Text(u"c"), u"ok");
}

TEST(LangFileTest, SplitsLinesAndKeys) {
  const LangFile file = LangFile::Parse(
      "a=1\r\nb=2\nc=3\rd=4\r\n"
      "no equals sign here\r\n"
      "e=x=y\r\n"
      " f = spaced \r\n"
      "!TranslationDefaultFont=Tahoma,8\r\n"
      "g=last line without a break");
  EXPECT_EQ(file.Text(u"a"), u"1");
  EXPECT_EQ(file.Text(u"b"), u"2");
  EXPECT_EQ(file.Text(u"c"), u"3");
  EXPECT_EQ(file.Text(u"d"), u"4");
  EXPECT_EQ(file.Text(u"no equals sign here"), u"");
  EXPECT_EQ(file.Text(u"e"), u"x=y");
  EXPECT_EQ(file.Text(u" f "), u" spaced ");
  EXPECT_EQ(file.Text(kDefaultFontKey), u"Tahoma,8");
  EXPECT_EQ(file.Text(u"g"), u"last line without a break");
}

TEST(LangFileTest, BrIsALineBreak) {
  const LangFile file = LangFile::Parse("list=one<BR>two<BR><BR>three<BR>\r\nlower=a<br>b");
  EXPECT_EQ(file.Text(u"list"), u"one\r\ntwo\r\n\r\nthree\r\n");
  EXPECT_EQ(file.Text(u"lower"), u"a<br>b");
}

TEST(LangFileTest, MissingAndEmptyLookAlike) {
  const LangFile file = LangFile::Parse("empty=\r\n");
  EXPECT_EQ(file.Text(u"empty"), u"");
  EXPECT_EQ(file.Text(u"absent"), u"");
  EXPECT_EQ(LangFile::Parse("").Text(u""), u"");
}

TEST(LangFileTest, KeysIgnoreCaseAndTheFirstLineWins) {
  const LangFile file = LangFile::Parse(
      "TfrmYahooIM_Main.btnStart.Caption=Start\r\n"
      "tfrmyahooim_main.BTNSTART.caption=Later\r\n");
  EXPECT_EQ(file.Text(u"TFRMYAHOOIM_MAIN.btnstart.CAPTION"), u"Start");
}

}  // namespace
}  // namespace tandemix
