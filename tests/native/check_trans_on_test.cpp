#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "channel/check_trans_on.h"

namespace tandemix {
namespace {

// What the fake process list answers, and the name it was asked for.
uint32_t g_listedId = 0;
std::string g_askedName;

uint32_t FakeLookup(const std::string& exeName) {
  g_askedName = exeName;
  return g_listedId;
}

class CheckTransOnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(&record_, 0, sizeof record_);
    AttachTransBlock(&record_);
    g_listedId = 0;
    g_askedName = "<not asked>";
  }
  void TearDown() override { AttachTransBlock(nullptr); }

  void RecordOwner(const char* name, uint32_t id, uint32_t state) {
    std::strcpy(record_.OwnerExeName, name);
    record_.OwnerProcessId = id;
    record_.TransState = state;
  }

  TransControlBlock record_;
};

TEST_F(CheckTransOnTest, OwnerFirstOfItsNameAndMarkedOn) {
  RecordOwner("Tandemix.exe", 4242, TRANS_ON_MARK);
  g_listedId = 4242;
  TransControlBlock before;
  std::memcpy(&before, &record_, sizeof before);
  EXPECT_TRUE(CheckTransOn(FakeLookup));
  EXPECT_EQ(g_askedName, "Tandemix.exe");
  EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0) << "the block changed";
}

TEST_F(CheckTransOnTest, OwnerCheckedOutButOnlyTheExactMarkCountsAsOn) {
  for (uint32_t state : {0u, 1u, TRANS_ON_MARK + 1, 0x41211302u}) {
    RecordOwner("Tandemix.exe", 4242, state);
    g_listedId = 4242;
    EXPECT_FALSE(CheckTransOn(FakeLookup)) << std::hex << state;
    EXPECT_EQ(record_.TransState, state) << "left as found";
  }
}

TEST_F(CheckTransOnTest, OwnerNotCheckingOutClearsTheMark) {
  struct Case {
    const char* why;
    uint32_t listed;
    uint32_t state;
  } cases[] = {
      {"another process of that name is listed first", 5151, TRANS_ON_MARK},
      // The lookup compares case-sensitively, so TANDEMIX.EXE answers nothing.
      {"no process of exactly that name", 0, TRANS_ON_MARK},
      {"a stray state rather than the mark", 0, 1},
  };
  for (const Case& c : cases) {
    RecordOwner("Tandemix.exe", 4242, c.state);
    g_listedId = c.listed;
    g_askedName = "<not asked>";
    EXPECT_FALSE(CheckTransOn(FakeLookup)) << c.why;
    EXPECT_EQ(g_askedName, "Tandemix.exe") << c.why;
    EXPECT_EQ(record_.TransState, 0u) << c.why;
    EXPECT_EQ(record_.OwnerProcessId, 4242u) << "only the mark is cleared";
    EXPECT_STREQ(record_.OwnerExeName, "Tandemix.exe");
  }
}

// With the mark clear there is nothing the owner could change: the process
// list is not asked and the block stays as it is.
TEST_F(CheckTransOnTest, ClearMarkIsOffWithoutLookingUp) {
  struct Case {
    const char* why;
    const char* owner;
    uint32_t id;
    uint32_t listed;
  } cases[] = {
      {"a new block", "", 0, 0},
      {"an owner that is gone", "Tandemix.exe", 4242, 0},
      {"an owner that checks out", "Tandemix.exe", 4242, 4242},
  };
  for (const Case& c : cases) {
    RecordOwner(c.owner, c.id, 0);
    g_listedId = c.listed;
    g_askedName = "<not asked>";
    TransControlBlock before;
    std::memcpy(&before, &record_, sizeof before);
    EXPECT_FALSE(CheckTransOn(FakeLookup)) << c.why;
    EXPECT_EQ(g_askedName, "<not asked>") << c.why;
    EXPECT_EQ(std::memcmp(&before, &record_, sizeof before), 0) << c.why << ": the block changed";
  }
}

TEST_F(CheckTransOnTest, NameFillingTheWholeFieldIsReadWithoutOverrun) {
  std::memset(record_.OwnerExeName, 'n', sizeof record_.OwnerExeName);
  std::memset(record_.Padding1, 'p', sizeof record_.Padding1);  // no NUL right after the field
  record_.OwnerProcessId = 7;
  record_.TransState = TRANS_ON_MARK;
  g_listedId = 7;
  EXPECT_TRUE(CheckTransOn(FakeLookup));
  EXPECT_EQ(g_askedName, std::string(TRANS_TEXT_FIELD_SIZE, 'n'));
}

TEST_F(CheckTransOnTest, AbsentBlockIsOffWithoutLookingUp) {
  AttachTransBlock(nullptr);
  EXPECT_FALSE(CheckTransOn(FakeLookup));
  EXPECT_EQ(g_askedName, "<not asked>");
}

}  // namespace
}  // namespace tandemix
