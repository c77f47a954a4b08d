#include <gtest/gtest.h>

#include <string>

#include "window/companion_commands.h"

namespace tandemix {
namespace {

// "Tandemix翻译助手" in GBK, the bytes the program hands on under a Chinese code page.
const std::string kTitle = "Tandemix\xB7\xAD\xD2\xEB\xD6\xFA\xCA\xD6";

TEST(CompanionCommandsTest, HostprepGetsTheTitleAfterOneBlank) {
  EXPECT_EQ(HostprepCommandLine("C:\\Tools\\Tx\\", kTitle),
            "C:\\Tools\\Tx\\Hostprep.exe " + kTitle);
}

TEST(CompanionCommandsTest, ProgramPathWithBlankIsQuoted) {
  EXPECT_EQ(HostprepCommandLine("C:\\Program Files\\Tx\\", kTitle),
            "\"C:\\Program Files\\Tx\\Hostprep.exe\" " + kTitle);
  EXPECT_EQ(MessengerCommandLine("C:\\Program Files (x86)\\Yahoo!\\Messenger\\"),
            "\"C:\\Program Files (x86)\\Yahoo!\\Messenger\\YahooMessenger.exe\"");
}

TEST(CompanionCommandsTest, MessengerWithoutArguments) {
  EXPECT_EQ(MessengerCommandLine("D:\\Messenger\\"), "D:\\Messenger\\YahooMessenger.exe");
  // An empty folder leaves the bare name to the system's search.
  EXPECT_EQ(MessengerCommandLine(""), "YahooMessenger.exe");
}

TEST(CompanionCommandsTest, UpdaterAlwaysAskedForEnglish) {
  EXPECT_EQ(UpdaterParameters(4242), "-pid 4242 -language English");
  EXPECT_EQ(UpdaterParameters(4294967295u), "-pid 4294967295 -language English");
}

}  // namespace
}  // namespace tandemix
