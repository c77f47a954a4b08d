// One process writes the block through the module; the viewer, a second
// process, reads it as the plug-in would.

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "channel/check_trans_on.h"
#include "channel/check_trans_on_win.h"
#include "platform/owned_handles_win.h"
#include "tests/fixtures/plugin_contract.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix {
namespace {

using test::BuildDir;
using test::RunProcess;

std::wstring Viewer(const std::wstring& arguments) {
  return L"\"" + (BuildDir() / L"tandemix-block.exe").wstring() + L"\" " + arguments;
}

// The raw text of a field in the viewer's one-line JSON ("..." for strings).
std::string JsonField(const std::string& json, const std::string& name) {
  const std::string label = "\"" + name + "\":";
  const size_t start = json.find(label);
  if (start == std::string::npos) return "<missing>";
  size_t pos = start + label.size();
  size_t end = pos;
  if (json[pos] == '"') {
    end = pos + 1;
    while (end < json.size() && json[end] != '"') end += json[end] == '\\' ? 2 : 1;
    ++end;
  } else {
    while (end < json.size() && json[end] != ',' && json[end] != '}') ++end;
  }
  return json.substr(pos, end - pos);
}

std::string ReadBlockJson() {
  auto result = RunProcess(Viewer(L"--json"));
  EXPECT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0u) << result.output;
  return result.output;
}

class ControlBlockTest : public ::testing::Test {
 protected:
  void OpenTransControlBlock() { mapping_.emplace(); }
  std::optional<TransControlBlockMapping> mapping_;
};

TEST_F(ControlBlockTest, ViewerRefusesWhenNoBlockExists) {
  auto result = RunProcess(Viewer(L""));
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_TRUE(result.output.empty());
}

TEST_F(ControlBlockTest, NewBlockIsAllZero) {
  OpenTransControlBlock();
  ASSERT_NE(TransBlock(), nullptr);
  const auto* bytes = reinterpret_cast<const unsigned char*>(TransBlock());
  for (size_t i = 0; i < sizeof(TransControlBlock); ++i) ASSERT_EQ(bytes[i], 0) << "offset " << i;
  const std::string json = ReadBlockJson();
  EXPECT_EQ(JsonField(json, "TransState"), "0");
  EXPECT_EQ(JsonField(json, "OwnerExeName"), "\"\"");
  EXPECT_EQ(JsonField(json, "SaveHistory"), "0");
}

TEST_F(ControlBlockTest, ExistingBlockIsLeftAsFound) {
  // Another holder (a plug-in still running) keeps the previous run's block.
  const KernelHandle other(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              sizeof(TransControlBlock),
                                              fixture::kBlockMappingName));
  ASSERT_TRUE(other);
  const MappedView view(MapViewOfFile(other.get(), FILE_MAP_WRITE, 0, 0, 0));
  auto* previous = static_cast<TransControlBlock*>(view.get());
  previous->TransState = fixture::kTransOnMark;
  previous->OwnerProcessId = 4242;
  std::strcpy(previous->SendLang, "English");
  previous->Padding2[1] = 0x5A;

  TransControlBlock before;
  std::memcpy(&before, previous, sizeof before);
  OpenTransControlBlock();
  ASSERT_NE(TransBlock(), nullptr);
  EXPECT_EQ(std::memcmp(TransBlock(), &before, sizeof before), 0);

  const std::string json = ReadBlockJson();
  EXPECT_EQ(JsonField(json, "TransState"), "34808129");
  EXPECT_EQ(JsonField(json, "OwnerProcessId"), "4242");
  EXPECT_EQ(JsonField(json, "SendLang"), "\"English\"");
}

TEST_F(ControlBlockTest, StartAndStopShowFieldByField) {
  OpenTransControlBlock();
  SetTransOwner("Tandemix.exe", 1234);
  SetTransHost("translate.example.org");

  SetTransOn(true);
  std::string json = ReadBlockJson();
  EXPECT_EQ(JsonField(json, "TransOn"), "true");
  EXPECT_EQ(JsonField(json, "SendLang"), "\"\"") << "options come after the on-mark";

  SetTransOptions(15, "English", "Deutsch", 0, false, true, true);
  json = ReadBlockJson();
  EXPECT_EQ(JsonField(json, "TransState"), "34808129");
  EXPECT_EQ(JsonField(json, "OwnerProcessId"), "1234");
  EXPECT_EQ(JsonField(json, "OwnerExeName"), "\"Tandemix.exe\"");
  EXPECT_EQ(JsonField(json, "TransHostName"), "\"translate.example.org\"");
  EXPECT_EQ(JsonField(json, "TransTimeOut"), "15");
  EXPECT_EQ(JsonField(json, "Reserved"), "0");
  EXPECT_EQ(JsonField(json, "NeedConfirm"), "0");
  EXPECT_EQ(JsonField(json, "AutoRead"), "1");
  EXPECT_EQ(JsonField(json, "SaveHistory"), "1");
  EXPECT_EQ(JsonField(json, "SendLang"), "\"English\"");
  EXPECT_EQ(JsonField(json, "RecvLang"), "\"Deutsch\"");

  SetTransOn(false);
  const std::string stopped = ReadBlockJson();
  EXPECT_EQ(JsonField(stopped, "TransState"), "0");
  EXPECT_EQ(stopped.substr(stopped.find("\"OwnerProcessId\"")),
            json.substr(json.find("\"OwnerProcessId\"")))
      << "Stop changes nothing but the state";
}

TEST_F(ControlBlockTest, WatchPrintsEachChange) {
  OpenTransControlBlock();
  test::RunningProcess watcher(Viewer(L"--json --watch"));
  auto lines = [&] {
    const std::string& out = watcher.Output();
    return std::count(out.begin(), out.end(), '\n');
  };
  ASSERT_TRUE(test::WaitUntil([&] { return lines() == 1; }));
  SetAutoRead(true);
  ASSERT_TRUE(test::WaitUntil([&] { return lines() == 2; }));
  SetTransOn(true);
  ASSERT_TRUE(test::WaitUntil([&] { return lines() == 3; }));
  const std::string& out = watcher.Output();
  const std::string last = out.substr(out.rfind('\n', out.size() - 2) + 1);
  EXPECT_EQ(JsonField(last, "AutoRead"), "1");
  EXPECT_EQ(JsonField(last, "TransOn"), "true");
}

TEST_F(ControlBlockTest, TextViewShowsStateByName) {
  OpenTransControlBlock();
  SetTransOn(true);
  auto result = RunProcess(Viewer(L""));
  EXPECT_NE(result.output.find("TransState      on (0x02132141)"), std::string::npos)
      << result.output;
  EXPECT_NE(result.output.find("SaveHistory     0"), std::string::npos);
}

}  // namespace
}  // namespace tandemix
