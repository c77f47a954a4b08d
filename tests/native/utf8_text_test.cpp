#include "settings/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tandemix {
namespace {

TEST(Utf8TextTest, EncodesEachLengthAndReplacesLoneSurrogates) {
  struct Case {
    const char* label;
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {"ASCII", u"Config.ini", "Config.ini"},
      {"two bytes", u"\u00E9", "\xC3\xA9"},
      {"three bytes", u"\u8BBE\u7F6E", "\xE8\xAE\xBE\xE7\xBD\xAE"},
      {"a surrogate pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
      {"a lone high surrogate before text", std::u16string{0xD83D, u'a'},
       "\xEF\xBF\xBD"
       "a"},
      {"a lone low surrogate", std::u16string{0xDE00}, "\xEF\xBF\xBD"},
      {"a high surrogate at the end", std::u16string{u'a', 0xD83D}, "a\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16ToUtf8(c.text), c.bytes) << c.label;
}

}  // namespace
}  // namespace tandemix
