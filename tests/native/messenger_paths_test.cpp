#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "startup/messenger_paths.h"

namespace tandemix {
namespace {

TEST(MessengerDirFromUninstallStringTest, FolderOfTheUninstallEntry) {
  struct Case {
    const char* value;
    const char* expected;
  } cases[] = {
      {"C:\\Apps\\Messenger\\uninstall.exe /U", "C:\\Apps\\Messenger\\"},
      {"E:\\Yahoo!\\Messenger\\uninstall.exe", "E:\\Yahoo!\\Messenger\\"},
      // Only the upper-case marker cuts; otherwise the arguments' backslash decides.
      {"C:\\Apps\\Messenger\\uninstall.exe /u", "C:\\Apps\\Messenger\\"},
      {"C:\\Apps\\M\\uninstall.exe /u /log=D:\\Logs\\x.log",
       "C:\\Apps\\M\\uninstall.exe /u /log=D:\\Logs\\"},
      {"C:\\Apps\\M\\uninstall.exe /U /log=D:\\Logs\\x.log", "C:\\Apps\\M\\"},
      // The text before the first marker only.
      {"C:\\A\\u.exe /U /Uagain\\x", "C:\\A\\"},
      {"\"C:\\Apps\\M\\u.exe\" /U", "\"C:\\Apps\\M\\"},
      {"uninstall.exe /U", ""},
      {"", ""},
      {"D:uninstall.exe /U", "D:"},
      // Blanks and control characters go only when the marker was found.
      {" \t\r\nC:\\A\\u.exe \x01/U", "C:\\A\\"},
      {"  C:\\A\\u.exe", "  C:\\A\\"},
      {"\x7F"
       "C:\\A\\u.exe /U",
       "\x7F"
       "C:\\A\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MessengerDirFromUninstallString(c.value), c.expected) << c.value;
  }
}

TEST(PathPartsTest, SplitAtTheLastBackslashOrColon) {
  struct Case {
    const char* path;
    const char* folder;
    const char* file;
  } cases[] = {
      {"C:\\Tools\\Tx\\Tandemix.exe", "C:\\Tools\\Tx\\", "Tandemix.exe"},
      {"D:x.exe", "D:", "x.exe"},
      {"D:\\x:y", "D:\\x:", "y"},
      {"C:\\Tools\\", "C:\\Tools\\", ""},
      {"x.exe", "", "x.exe"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.file) << c.path;
  }
}

TEST(MessengerExeOfAnswerTest, OneBackslashBeforeTheFileName) {
  EXPECT_EQ(MessengerExeOfAnswer("D:\\Messenger"), "D:\\Messenger\\YahooMessenger.exe");
  EXPECT_EQ(MessengerExeOfAnswer("D:\\Messenger\\"), "D:\\Messenger\\YahooMessenger.exe");
}

TEST(MessengerCandidateFoldersTest, FixedOrderEachWithTrailingBackslash) {
  const std::vector<std::string> expected = {"C:\\Program Files\\Yahoo!\\Messenger\\",
                                             "C:\\Program Files (x86)\\Yahoo!\\Messenger\\",
                                             "C:\\Program Files (x64)\\Yahoo!\\Messenger\\",
                                             "D:\\Program Files\\Yahoo!\\Messenger\\",
                                             "D:\\Program Files (x86)\\Yahoo!\\Messenger\\",
                                             "D:\\Program Files (x64)\\Yahoo!\\Messenger\\"};
  const auto& folders = MessengerCandidateFolders();
  EXPECT_EQ(std::vector<std::string>(folders.begin(), folders.end()), expected);
}

TEST(PluginFoldersTest, EveryFolderTopDownBelowTheDrive) {
  const std::string m = "C:\\Program Files\\Yahoo!\\Messenger";
  const std::vector<std::string> expected = {
      "C:\\Program Files",
      "C:\\Program Files\\Yahoo!",
      m,
      m + "\\Plugin",
      m + "\\Plugin\\Test",
      m + "\\Plugin\\Test\\SidePanel",
      m + "\\Plugin\\Test\\SidePanel\\test.yplugin",
      m + "\\Plugin\\Test\\SidePanel\\test.yplugin\\MANIFEST",
  };
  EXPECT_EQ(PluginFolders(m + "\\"), expected);
}

TEST(PluginCopiesTest, FourCopiesManifestUnderItsFixedName) {
  const std::string from = "C:\\Tools\\Tx\\";
  const std::string to = "D:\\Messenger\\Plugin\\Test\\SidePanel\\test.yplugin\\";
  const auto copies = PluginCopies(from, "D:\\Messenger\\", "MANIFEST\\plugin_ENU_Pro.properties");
  ASSERT_EQ(copies.size(), 4u);
  const char* expected[][2] = {
      {"Sidecard.html", "Sidecard.html"},
      {"Sidecard.ocx", "Sidecard.ocx"},
      {"Control.js", "Control.js"},
      {"MANIFEST\\plugin_ENU_Pro.properties", "MANIFEST\\plugin.properties"},
  };
  for (size_t i = 0; i < copies.size(); ++i) {
    EXPECT_EQ(copies[i].source, from + expected[i][0]) << i;
    EXPECT_EQ(copies[i].destination, to + expected[i][1]) << i;
  }
}

}  // namespace
}  // namespace tandemix
