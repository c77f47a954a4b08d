#include "tandemix/trans_control_block.h"

#include <gtest/gtest.h>

#include <cstring>

#include "channel/check_trans_on.h"

namespace tandemix {
namespace {

// The plug-in tests the four bytes at offset 0, whatever its byte order.
TEST(TransControlBlockTest, StartWritesTheOnMarkBytesThePluginLooksFor) {
  TransControlBlock block;
  std::memset(&block, 0, sizeof block);
  AttachTransBlock(&block);
  SetTransOn(true);
  const unsigned char on[4] = {0x41, 0x21, 0x13, 0x02};
  EXPECT_EQ(std::memcmp(&block, on, sizeof on), 0);
  SetTransOn(false);
  const unsigned char off[4] = {};
  EXPECT_EQ(std::memcmp(&block, off, sizeof off), 0);
  AttachTransBlock(nullptr);
}

}  // namespace
}  // namespace tandemix
