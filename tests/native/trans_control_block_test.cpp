#include "tandemix/trans_control_block.h"

#include <gtest/gtest.h>

TEST(TransControlBlockTest, OnMarkHasTheBytesThePluginLooksFor) {
  TransControlBlock block{};
  block.TransState = 0x02132141u;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&block);
  EXPECT_EQ(bytes[0], 0x41);
  EXPECT_EQ(bytes[1], 0x21);
  EXPECT_EQ(bytes[2], 0x13);
  EXPECT_EQ(bytes[3], 0x02);
}
