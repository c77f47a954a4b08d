#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "channel/check_trans_on.h"
#include "settings/ansi_text.h"
#include "tools/block_format.h"

namespace tandemix {
namespace {

bool GbkLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(AnsiFitLengthTest, NeverSplitsADoubleByteCharacter) {
  const std::string wide = "\xD6\xD0";  // one GBK character
  struct Case {
    std::string text;
    size_t limit;
    size_t expected;
  } cases[] = {
      {"abc", 512, 3},
      {std::string(600, 'a'), 512, 512},
      {std::string(511, 'a') + wide, 512, 511},  // the pair would end past the limit
      {std::string(510, 'a') + wide + "b", 512, 512},
      {"a" + wide + wide, 4, 3},
      {std::string(3, 'a') + "\xD6", 512, 4},  // a lead byte at the very end stays alone
      {"", 512, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnsiFitLength(c.text, c.limit, GbkLead), c.expected) << c.text.size();
  }
}

class BlockWritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&record_, 0, sizeof record_);
    AttachTransBlock(&record_);
  }
  void TearDown() override { AttachTransBlock(nullptr); }
  TransControlBlock record_;
};

TEST_F(BlockWritesTest, LongTextIsCutAndNeverOverrunsItsField) {
  std::memset(record_.SendLang, 'x', sizeof record_.SendLang);
  std::memset(record_.RecvLang, 'y', sizeof record_.RecvLang);
  SetTransHost(std::string(2000, 'h'));
  SetTransOptions(15, std::string(700, 's'), "r", 0, false, false, true);
  EXPECT_EQ(BlockText(record_.TransHostName), std::string(512, 'h'));
  EXPECT_EQ(BlockText(record_.SendLang), std::string(512, 's'));
  EXPECT_EQ(BlockText(record_.RecvLang), "r");
  EXPECT_EQ(record_.RecvLang[2], 'y') << "bytes after the NUL keep the older value";
  EXPECT_EQ(record_.Padding2[0], 0);
}

TEST_F(BlockWritesTest, EmptyHostIsOneNul) {
  std::strcpy(record_.TransHostName, "old.example");
  SetTransHost("");
  EXPECT_EQ(record_.TransHostName[0], '\0');
  EXPECT_EQ(record_.TransHostName[1], 'l');
}

TEST_F(BlockWritesTest, OptionBytesAndStateWriteOnlyTheirField) {
  SetTransOptions(-5, "a", "b", 7, true, false, true);
  TransControlBlock before = record_;
  SetAutoRead(true);
  SetTransOn(true);
  EXPECT_EQ(record_.AutoRead, 1);
  EXPECT_EQ(record_.TransState, 0x02132141u);
  record_.AutoRead = before.AutoRead;
  record_.TransState = before.TransState;
  EXPECT_EQ(std::memcmp(&record_, &before, sizeof before), 0);
  EXPECT_EQ(before.TransTimeOut, -5);
  EXPECT_EQ(before.Reserved, 7);
  EXPECT_EQ(before.NeedConfirm, 1);
  EXPECT_EQ(before.SaveHistory, 1);
}

// Every writer tests for the block first: one that does not stores through a
// null pointer, which the sanitizers stop here. A record once attached and
// then released, as the mapping is at the end, gets nothing either.
TEST(AbsentBlockTest, WritesDoNothing) {
  TransControlBlock released;
  std::memset(&released, 0, sizeof released);
  AttachTransBlock(&released);
  AttachTransBlock(nullptr);
  SetTransOn(true);
  SetTransOwner("Tandemix.exe", 1);
  SetTransHost("host");
  SetTransOptions(1, "a", "b", 0, true, true, true);
  SetNeedConfirm(true);
  SetAutoRead(true);
  SetSaveHistory(true);
  const TransControlBlock untouched{};
  EXPECT_EQ(std::memcmp(&released, &untouched, sizeof released), 0);
}

TEST(BlockFormatTest, JsonEscapesAndTextNamesTheState) {
  TransControlBlock block{};
  block.TransState = 7;
  std::strcpy(block.SendLang, "a\"b\\c\x01");
  std::memset(block.RecvLang, 'z', sizeof block.RecvLang);  // no NUL at all
  const std::string json =
      FormatBlockJson(block, [](std::string_view s) { return std::string(s); });
  EXPECT_NE(json.find("\"SendLang\":\"a\\\"b\\\\c\\u0001\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"RecvLang\":\"" + std::string(513, 'z') + "\""), std::string::npos);
  EXPECT_NE(json.find("\"TransOn\":false"), std::string::npos);
  EXPECT_NE(FormatBlockText(block).find("TransState      off (0x00000007)"), std::string::npos);
}

}  // namespace
}  // namespace tandemix
