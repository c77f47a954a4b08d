#include "window/font_description.h"

#include <gtest/gtest.h>

#include <functional>

namespace tandemix {
namespace {

FontAttributes Base() {
  FontAttributes font;
  font.name = u"Base";
  font.size = 10;
  font.bold = true;
  font.pitch = 1;
  font.color = 0x123456;
  font.charset = 0;
  return font;
}

FontAttributes With(std::function<void(FontAttributes&)> change) {
  FontAttributes font = Base();
  change(font);
  return font;
}

TEST(FontDescriptionTest, AppliesOnlyTheFieldsGiven) {
  struct Case {
    const char16_t* description;
    FontAttributes expected;
  } cases[] = {
      {u"", Base()},
      {u"Tahoma,8", With([](FontAttributes& f) { f.name = u"Tahoma", f.size = 8; })},
      {u" Microsoft YaHei ; 9 ",
       With([](FontAttributes& f) { f.name = u"Microsoft YaHei", f.size = 9; })},
      {u"\tArial\t,\t12\t,\tIU\t", With([](FontAttributes& f) {
         f.name = u"Arial", f.size = 12, f.bold = false, f.italic = true, f.underline = true;
       })},
      {u"Tahoma,8,,,,GB2312_CHARSET", With([](FontAttributes& f) {
         f.name = u"Tahoma", f.size = 8, f.bold = false, f.charset = 134;
       })},
      {u"Courier New;10;BIUS;2;clRed;RUSSIAN_CHARSET", With([](FontAttributes& f) {
         f.name = u"Courier New", f.size = 10, f.italic = true, f.underline = true;
         f.strikeOut = true, f.pitch = 2, f.color = 0x0000FF, f.charset = 204;
       })},
      // Fields past the sixth are not ours.
      {u"A,1,b,0,clBlack,0,extra,more", With([](FontAttributes& f) {
         f.name = u"A", f.size = 1, f.pitch = 0, f.color = 0, f.charset = 0;
       })},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ApplyFontDescription(Base(), c.description), c.expected)
        << std::u16string(c.description).size();
  }
}

TEST(FontDescriptionTest, EmptyStyleFieldClearsTheStyleButAMissingOneKeepsIt) {
  FontAttributes styled = Base();
  styled.italic = styled.underline = styled.strikeOut = true;
  for (const char16_t* description : {u",,", u",, ,", u"X,9,;", u",,xyz"}) {
    const FontAttributes font = ApplyFontDescription(styled, description);
    EXPECT_FALSE(font.bold || font.italic || font.underline || font.strikeOut)
        << std::u16string(description).size();
  }
  EXPECT_EQ(ApplyFontDescription(styled, u"X,9"),
            With([&](FontAttributes& f) { f = styled, f.name = u"X", f.size = 9; }));
}

TEST(FontDescriptionTest, ReadsColourNamesAndNumbersAsTColor) {
  struct Case {
    const char16_t* field;
    std::uint32_t color;
  } cases[] = {
      {u"clBlue", 0xFF0000},
      {u"CLRED", 0x0000FF},
      {u"clWindowText", 0xFF000008},
      {u"clBtnFace", 0xFF00000F},
      {u"clHotLight", 0xFF00001A},
      {u"clNone", 0x1FFFFFFF},
      {u"$0000FF", 0x0000FF},
      {u"0x00ff00", 0x00FF00},
      {u"0XABCDEF", 0xABCDEF},
      {u"255", 255},
      {u"-16777208", 0xFF000008},
      {u"$FF000005", 0xFF000005},
      // Unreadable: the colour stays.
      {u"clPink", 0x123456},
      {u"12x", 0x123456},
      {u"$", 0x123456},
      {u"0x100000000", 0x123456},
      {u"$G0", 0x123456},
      {u"", 0x123456},
  };
  for (const Case& c : cases) {
    const std::u16string description = std::u16string(u",,,,") + c.field;
    EXPECT_EQ(ApplyFontDescription(Base(), description).color, c.color)
        << std::u16string(c.field).size();
  }
}

TEST(FontDescriptionTest, UnreadableNumbersKeepTheirAttribute) {
  struct Case {
    const char16_t* description;
    int size, pitch, charset;
  } cases[] = {
      {u",big,,3,,256", 10, 1, 0},
      {u",,,-1,,-1", 10, 1, 0},
      {u",11,,2,,DEFAULT_charset", 11, 2, 1},
      {u",$C,,0x2,,$86", 12, 2, 134},
      {u",99999999999,,x,,OEM", 10, 1, 0},
  };
  for (const Case& c : cases) {
    const FontAttributes font = ApplyFontDescription(Base(), c.description);
    EXPECT_EQ(font.size, c.size) << std::u16string(c.description).size();
    EXPECT_EQ(font.pitch, c.pitch) << std::u16string(c.description).size();
    EXPECT_EQ(font.charset, c.charset) << std::u16string(c.description).size();
  }
}

}  // namespace
}  // namespace tandemix
