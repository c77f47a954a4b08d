// The plug-in author's example reader against the block the real Tandemix writes.

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "tandemix/trans_control_block.h"
#include "platform/owned_handles_win.h"
#include "tests/wine/messenger_install.h"
#include "tests/wine/program_driver.h"
#include "tests/wine/wine_test_support.h"

namespace tandemix::test {
namespace {

std::wstring Reader() {
  return L"\"" + (BuildDir() / L"examples" / L"block_reader.exe").wstring() + L"\"";
}

class ExampleReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMessengerInstall();
    messenger_.emplace();
  }
  TempDir folder_;
  std::optional<ScopedCandidateFolder> messenger_;
};

TEST_F(ExampleReaderTest, ReadsWhatTandemixWroteAtStart) {
  Program program(LayOutProgramFolder(folder_.path(), Edition::Pro));
  ASSERT_NE(program.WaitForShownControlWindow(), nullptr);
  // Held like the plug-in holds it, to see Start's last write land.
  bool started = false;
  {
    const KernelHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, TRANS_MAPPING_NAME));
    ASSERT_TRUE(mapping);
    const MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
    const auto* block = static_cast<const TransControlBlock*>(view.get());
    program.Click("btnStart");
    started = WaitUntil([&] { return block->RecvLang[0] != '\0'; });
  }
  ASSERT_TRUE(started);

  const ProcessResult result = RunProcess(Reader());
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0u);
  const std::string expected =
      "TransOn=1\n"
      "OwnerProcessId=" +
      std::to_string(program.id()) +
      "\n"
      "OwnerExeName=Tandemix.exe\n"
      "TransTimeOut=15\n"
      "NeedConfirm=0\n"
      "AutoRead=0\n"
      "SaveHistory=1\n"
      "TransHostName=translate.googleapis.com\n"
      "SendLang=" +
      Ansi(L"中文(简体)") +
      "\n"
      "RecvLang=" +
      Ansi(L"英语") + "\n";
  std::string output = result.output;
  for (size_t at; (at = output.find("\r\n")) != std::string::npos;) output.erase(at, 1);
  EXPECT_EQ(output, expected);
}

TEST_F(ExampleReaderTest, SaysSoWhenNoBlockExists) {
  const ProcessResult result = RunProcess(Reader());
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_EQ(result.output, "");
}

}  // namespace
}  // namespace tandemix::test
