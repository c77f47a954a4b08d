#include <gtest/gtest.h>

#include "window/version_text.h"

namespace tandemix {
namespace {

TEST(CutVersionTextTest, KeepsTheTextBeforeTheThirdDot) {
  struct Case {
    const char* full;
    const char* shown;
  } cases[] = {
      {"4.2.1.0", "4.2.1"},
      {"4.1.1.0", "4.1.1"},
      {"10.0.12.345", "10.0.12"},
      {"1.2.3.4.5", "1.2.3"},
      {"...", ".."},
      {"-1", ""},
      {"", ""},
      {"1.2.3", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CutVersionText(c.full), c.shown) << c.full;
}

}  // namespace
}  // namespace tandemix
