#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messenger/messenger_paths.h"

namespace tandemix {
namespace {

// Code page 936 (GBK): 0x81 to 0xFE lead a double-byte character, whose second
// byte may be 0x5C, a backslash ("\x87\x5C" is U+5630, "\x88\x5C" U+573D).
bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

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

// The second byte 0x5C of a double-byte character is no separator.
TEST(GbkPathsTest, TrailByteBackslashIsPartOfItsCharacter) {
  const std::string ji = "\x87\x5C";     // U+5630
  const std::string other = "\x88\x5C";  // U+573D
  const std::string zhong = "\xD6\xD0";  // U+4E2D
  struct Case {
    std::string path;
    std::string folder;
    std::string file;
  } cases[] = {
      {"D:\\" + ji, "D:\\", ji},
      {"D:\\" + ji + "\\a.exe", "D:\\" + ji + "\\", "a.exe"},
      {"C:\\" + zhong + other + ".exe", "C:\\", zhong + other + ".exe"},
      {ji + other, "", ji + other},
      // A lone lead byte at the end swallows nothing after the text.
      {"C:\\x\\\x87", "C:\\x\\", "\x87"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderPart(c.path, IsGbkLeadByte), c.folder) << c.path;
    EXPECT_EQ(FileNamePart(c.path, IsGbkLeadByte), c.file) << c.path;
  }

  // A folder typed at the prompt that ends in such a character gets its backslash.
  EXPECT_EQ(MessengerExeOfAnswer("D:\\" + ji, IsGbkLeadByte), "D:\\" + ji + "\\YahooMessenger.exe");
  EXPECT_EQ(WithTrailingBackslash("D:\\" + ji, IsGbkLeadByte), "D:\\" + ji + "\\");
  EXPECT_EQ(WithTrailingBackslash("D:\\" + ji + "\\", IsGbkLeadByte), "D:\\" + ji + "\\");

  EXPECT_EQ(
      MessengerDirFromUninstallString("E:\\" + ji + "\\" + other + "uninst.exe /U", IsGbkLeadByte),
      "E:\\" + ji + "\\");
  EXPECT_EQ(MessengerDirFromUninstallString("E:\\Apps" + ji + " /U", IsGbkLeadByte), "E:\\");

  const std::vector<std::string> folders = PluginFolders("E:\\" + ji + "\\", IsGbkLeadByte);
  ASSERT_FALSE(folders.empty());
  EXPECT_EQ(folders.front(), "E:\\" + ji);
  EXPECT_EQ(folders.back(), "E:\\" + ji + "\\Plugin\\Test\\SidePanel\\test.yplugin\\MANIFEST");
  EXPECT_EQ(folders.size(), 6u);
  // A server and share named with such characters stay the root, whole.
  const std::string share = "\\\\" + ji + "\\" + other + "\\";
  EXPECT_EQ(PluginFolders(share, IsGbkLeadByte).front(), share + "Plugin");
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

// Creation starts below the root: the drive, or the server and share of a
// network path, also behind "\\?\" and "\\.\"; from the Messenger folder down
// the road is the same for every form.
TEST(PluginFoldersTest, EveryFolderTopDownBelowTheRoot) {
  const char* const plugin[] = {"Plugin", "Plugin\\Test", "Plugin\\Test\\SidePanel",
                                "Plugin\\Test\\SidePanel\\test.yplugin",
                                "Plugin\\Test\\SidePanel\\test.yplugin\\MANIFEST"};
  struct Case {
    std::string messengerDir;
    std::vector<std::string> upToMessenger;  // the folders before the plug-in's own
  } cases[] = {
      {"C:\\Program Files\\Yahoo!\\Messenger\\",
       {"C:\\Program Files", "C:\\Program Files\\Yahoo!", "C:\\Program Files\\Yahoo!\\Messenger"}},
      {"D:\\", {}},
      {"\\\\server\\share\\Messenger\\", {"\\\\server\\share\\Messenger"}},
      {"\\\\server\\share\\Apps\\Messenger\\",
       {"\\\\server\\share\\Apps", "\\\\server\\share\\Apps\\Messenger"}},
      {"\\\\server\\share\\", {}},
      {"\\\\?\\C:\\Apps\\Messenger\\", {"\\\\?\\C:\\Apps", "\\\\?\\C:\\Apps\\Messenger"}},
      {"\\\\?\\UNC\\server\\share\\Messenger\\", {"\\\\?\\UNC\\server\\share\\Messenger"}},
      {"\\\\?\\unc\\server\\share\\", {}},
      {"\\\\.\\C:\\Messenger\\", {"\\\\.\\C:\\Messenger"}},
      // The current drive's root, and a folder typed relative to the working folder.
      {"\\Messenger\\", {"\\Messenger"}},
      {"Messenger\\", {"Messenger"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> expected = c.upToMessenger;
    for (const char* folder : plugin) expected.push_back(c.messengerDir + folder);
    EXPECT_EQ(PluginFolders(c.messengerDir), expected) << c.messengerDir;
  }
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
