#include "settings/ini_file.h"

#include "settings/error.h"
#include "tests/native/temp_folder.h"
#include "tests/utf16_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tandemix {
namespace {

using test::Utf16File;

using namespace std::string_literals;
using Names = std::vector<std::u16string>;

const std::optional<std::u16string> kMissing;

struct ReadCase {
  const char* label;
  std::string file;
  std::u16string section;
  std::u16string key;
  std::optional<std::u16string> expected;
};

// The system's answers, checked against it by the Wine contract test; here
// they guard the reader where no Wine runs.
TEST(IniFileTest, ReadsValuesAsTheSystem) {
  const std::string longLine = "[L]\r\nk=" + std::string(3000, 'x') + "\r\n";
  const ReadCase cases[] = {
      {"blanks trimmed", "  [S]  \r\n\t key \t=\t value \x1A\r\n", u"S", u"key", u"value"},
      {"blanks in the query", "[S]\r\nkey=v\r\n", u" S ", u"\tkey ", u"v"},
      {"blanks inside brackets", "[ S ]\r\nkey=v\r\n", u"S", u"key", u"v"},
      {"letter case", "[Option]\r\nTimeOut=1\r\n", u"oPTION", u"timeout", u"1"},
      {"double quotes", "[S]\r\nk=\"a b\"\r\n", u"S", u"k", u"a b"},
      {"single quotes", "[S]\r\nk='a'\r\n", u"S", u"k", u"a"},
      {"unmatched quotes", "[S]\r\nk=\"a'\r\n", u"S", u"k", u"\"a'"},
      {"lone quote", "[S]\r\nk=\"\r\n", u"S", u"k", u"\""},
      {"empty value", "[S]\r\nk=\r\n", u"S", u"k", u""},
      {"equals in value", "[S]\r\nurl = a=b\r\n", u"S", u"url", u"a=b"},
      {"first key wins", "[S]\r\nk=1\r\nK=2\r\n", u"S", u"k", u"1"},
      {"first section wins", "[S]\r\na=1\r\n[s]\r\na=2\r\nb=3\r\n", u"S", u"b", kMissing},
      {"line without equals hides the key", "[S]\r\nk\r\nk=1\r\n", u"S", u"k", kMissing},
      {"comment is a key when asked", "[S]\r\n;c=1\r\n", u"S", u";c", u"1"},
      {"key before any section", "k=1\r\n[S]\r\n", u"S", u"k", kMissing},
      {"header without bracket is a key", "[S]\r\n[T=1\r\n", u"S", u"[T", u"1"},
      {"CR line ends", "[S]\rk=1\rj=2", u"S", u"j", u"2"},
      {"LF line ends", "[S]\nk=1\n", u"S", u"k", u"1"},
      {"missing section", "[S]\r\nk=1\r\n", u"T", u"k", kMissing},
      {"UTF-16", Utf16File(u"[\u8BED]\r\n\u4E2D = \u6587\r\n"), u"\u8BED", u"\u4E2D", u"\u6587"},
      {"mark only", "\xFF\xFE", u"S", u"k", kMissing},
#ifdef _WIN32
      {"bytes above 127", "[S]\r\nk=\xD6\xD0\r\n", u"S", u"k", u"\u4E2D"},  // code page 936
#else
      {"bytes above 127", "[S]\r\nk=\xD6\xD0\r\n", u"S", u"k", u"\u00D6\u00D0"},  // Latin-1
#endif
      {"long value cut at 2047", longLine, u"L", u"k", std::u16string(2047, u'x')},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(IniFile(c.file).Value(c.section, c.key), c.expected) << c.label;
  }
}

TEST(IniFileTest, QuotesAroundALongValueComeOffAsTheSystemCutsThem) {
  auto quoted = [](size_t inner) {
    std::string text(inner + 2, 'q');
    text.front() = text.back() = '"';
    return IniFile("[S]\r\nk=" + text + "\r\n").Value(u"S", u"k")->size();
  };
  EXPECT_EQ(quoted(2046), 2046u);
  // The closing quote is cut by the buffer, and the last character goes instead.
  EXPECT_EQ(quoted(2047), 2046u);
  EXPECT_EQ(quoted(2048), 2047u);
}

TEST(IniFileTest, ListsNamesAsTheSystem) {
  const IniFile ini(
      "lead=1\r\n[A]\r\nx=1\r\n;c=2\r\nbare\r\n=e\r\n=f\r\ny = 2\r\nX=3\r\n[]\r\n[ B ]\r\n"
      "[a]\r\nz=1\r\n[C]\r\n=first\r\nw=1\r\n");
  EXPECT_EQ(ini.SectionNames(), (Names{u"A", u"B", u"a", u"C"}));
  EXPECT_EQ(ini.KeyNames(u"a"), (Names{u"x", u"", u"y", u"X"}));
  EXPECT_EQ(ini.KeyNames(u""), (Names{u"lead"}));
  EXPECT_EQ(ini.KeyNames(u"missing"), Names{});
  // A list that would begin with an empty name cannot be told from no list.
  EXPECT_EQ(ini.KeyNames(u"C"), Names{});
}

struct WriteCase {
  const char* label;
  std::string before;
  std::u16string section;
  std::u16string key;
  std::string after;
};

TEST(IniFileTest, SetValueChangesOnlyTheValue) {
  const std::string rest = "; settings\r\n\r\n[Other]\r\nTimeOut = 5\r\n";
  const WriteCase cases[] = {
      {"in place, spacing kept", "[Option]\r\n  TimeOut =  15  \r\n" + rest, u"Option", u"TimeOut",
       "[Option]\r\n  TimeOut =  NEW  \r\n" + rest},
      {"name in other case", "[option]\r\ntimeout=15\r\n", u"Option", u"TimeOut",
       "[option]\r\ntimeout=NEW\r\n"},
      {"quoted value", "[Option]\r\nTimeOut=\"15\"\n", u"Option", u"TimeOut",
       "[Option]\r\nTimeOut=NEW\n"},
      {"line without equals", "[Option]\r\nTimeOut\r\nTimeOut=1\r\n", u"Option", u"TimeOut",
       "[Option]\r\nTimeOut=NEW\r\nTimeOut=1\r\n"},
      {"first of duplicate sections", "[Option]\r\na=1\r\n[Option]\r\nTimeOut=1\r\n", u"Option",
       u"TimeOut", "[Option]\r\na=1\r\nTimeOut=NEW\r\n[Option]\r\nTimeOut=1\r\n"},
      {"missing key after the section's last key",
       "[Option]\r\na=1\r\n; about b\r\n\r\n[Other]\r\n", u"Option", u"TimeOut",
       "[Option]\r\na=1\r\nTimeOut=NEW\r\n; about b\r\n\r\n[Other]\r\n"},
      {"missing key in an empty section", "[Option]\n\n[Other]\n", u"Option", u"TimeOut",
       "[Option]\nTimeOut=NEW\r\n\n[Other]\n"},
      {"missing key at the end without a line break", "[Option]\r\na=1", u"Option", u"TimeOut",
       "[Option]\r\na=1\r\nTimeOut=NEW\r\n"},
      {"missing section", "[Other]\r\na=1\r\n", u"Option", u"TimeOut",
       "[Other]\r\na=1\r\n[Option]\r\nTimeOut=NEW\r\n"},
      {"missing section, no line break at the end", "; only a comment", u"Option", u"TimeOut",
       "; only a comment\r\n[Option]\r\nTimeOut=NEW\r\n"},
      {"new file", "", u"Option", u"TimeOut", "[Option]\r\nTimeOut=NEW\r\n"},
      {"CR line ends", "[Option]\ra=1\r[Other]\r", u"Option", u"TimeOut",
       "[Option]\ra=1\rTimeOut=NEW\r\n[Other]\r"},
      {"bytes above 127 kept", "[Caf\xE9]\r\nx=\xE9\r\n[Option]\r\nTimeOut=1\r\n", u"Option",
       u"TimeOut", "[Caf\xE9]\r\nx=\xE9\r\n[Option]\r\nTimeOut=NEW\r\n"},
  };
  for (const WriteCase& c : cases) {
    IniFile ini(c.before);
    ini.SetValue(c.section, c.key, u"NEW");
    EXPECT_EQ(ini.Bytes(), c.after) << c.label;
    EXPECT_EQ(ini.Value(c.section, c.key), u"NEW") << c.label;
    EXPECT_EQ(ini.encoding(), IniFile::Encoding::Ansi) << c.label;
  }
}

// Bytes 0x81 to 0xFE begin a double-byte character, as in code page 936.
bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(IniFileTest, WritingAfterACutDoubleByteCharacterKeepsTheLastLine) {
  const WriteCase cases[] = {
      {"key after a cut value", "[S]\r\na=1\r\nb=x\xD6", u"S", u"k",
       "[S]\r\na=1\r\nk=NEW\r\nb=x\xD6"},
      {"new section after a cut value", "[S]\r\nb=x\xD6", u"T", u"k",
       "[T]\r\nk=NEW\r\n[S]\r\nb=x\xD6"},
      {"key after a header with a cut character", "[S]\xD6", u"S", u"k", "[S]\xD6\r\nk=NEW\r\n"},
      {"a whole character at the end", "[S]\r\nb=x\xD6\xD0", u"S", u"k",
       "[S]\r\nb=x\xD6\xD0\r\nk=NEW\r\n"},
  };
  for (const WriteCase& c : cases) {
    IniFile ini(c.before, IsGbkLeadByte);
    ini.SetValue(c.section, c.key, u"NEW");
    EXPECT_EQ(ini.Bytes(), c.after) << c.label;
    const IniFile before(c.before, IsGbkLeadByte);
    const IniFile after(ini.Bytes(), IsGbkLeadByte);
    EXPECT_EQ(after.Value(u"S", u"b"), before.Value(u"S", u"b")) << c.label;
    EXPECT_EQ(after.Value(c.section, c.key), u"NEW") << c.label;
  }
}

TEST(IniFileTest, AKeyBeginningWithTheUtf16MarkKeepsAnEmptyFileAnsi) {
  // A key whose ANSI bytes are FF FE A1, at the very start of the file.
#ifdef _WIN32
  const std::u16string key = u"\uF8F5\uE468";  // code page 936
#else
  const std::u16string key = u"\u00FF\u00FE\u00A1";                               // Latin-1
#endif
  IniFile ini;
  ini.SetValue(u"", key, u"NEW");
  EXPECT_EQ(ini.Bytes(), "\r\n\xFF\xFE\xA1=NEW\r\n");
  const IniFile again(ini.Bytes());
  EXPECT_EQ(again.encoding(), IniFile::Encoding::Ansi);
  EXPECT_EQ(again.Value(u"", key), u"NEW");
}

TEST(IniFileTest, AUtf16FileStaysUtf16WithItsOtherUnitsAsTheyWere) {
  const std::u16string text =
      u"[\u8BED\u8A00]\r\n\u4E2D\u6587=\u7B80\r\n[Option]\r\nTimeOut=15\r\n";
  IniFile ini(Utf16File(text) + "\x7F");  // a stray last byte stays too
  ini.SetValue(u"Option", u"TimeOut", u"30");
  ini.SetValue(u"Option", u"TransMothed", u"AB");
  ini.SetValue(u"\u65B0", u"\u952E", u"\u503C");
  EXPECT_EQ(ini.encoding(), IniFile::Encoding::Utf16Le);
  EXPECT_EQ(ini.Bytes(),
            Utf16File(u"[\u8BED\u8A00]\r\n\u4E2D\u6587=\u7B80\r\n[Option]\r\n"
                      u"TimeOut=30\r\nTransMothed=AB\r\n[\u65B0]\r\n\u952E=\u503C\r\n") +
                "\x7F");
}

TEST(IniFileTest, WritesIntoAnEmptyUtf16File) {
  IniFile ini("\xFF\xFE\r\0\n\0"s);
  ini.SetValue(u"Option", u"k", u"v");
  EXPECT_EQ(ini.Bytes(), Utf16File(u"\r\n[Option]\r\nk=v\r\n"));
}

class IniFileOnDiskTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST_F(IniFileOnDiskTest, CreatesAMissingFileAsAnEmptyUtf16File) {
  const std::u16string file = (folder_.path() / "CHS.ini").u16string();
  CreateUnicodeIniFileIfMissing(file);
  EXPECT_EQ(test::FileBytes(file), "\xFF\xFE\r\0\n\0"s);
}

TEST_F(IniFileOnDiskTest, LeavesAnExistingFileAlone) {
  const std::u16string file = (folder_.path() / "ENU.ini").u16string();
  test::WriteBytes(file, "[Texts]\r\n");
  CreateUnicodeIniFileIfMissing(file);
  EXPECT_EQ(test::FileBytes(file), "[Texts]\r\n");
}

TEST_F(IniFileOnDiskTest, CreatingInAFolderThatCannotBeWrittenFails) {
  const std::u16string file = (folder_.path() / "missing folder" / "CHS.ini").u16string();
  try {
    CreateUnicodeIniFileIfMissing(file);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find(std::filesystem::path(file).string()),
              std::string::npos)
        << error.what();
  }
}

TEST_F(IniFileOnDiskTest, LoadAndSaveKeepTheBytes) {
  const std::u16string file = (folder_.path() / "a.ini").u16string();
  const std::string bytes = "; c\r\n[S]\r\nk = 1\n";
  test::WriteBytes(file, bytes);
  IniFile ini = IniFile::Load(file);
  EXPECT_EQ(ini.Value(u"S", u"k"), u"1");
  ini.SetValue(u"S", u"k", u"2");
  ini.Save(file);
  EXPECT_EQ(test::FileBytes(file), "; c\r\n[S]\r\nk = 2\n");
  EXPECT_EQ(IniFile::Load(folder_.Folder() + u"none.ini").Bytes(), "");
}

}  // namespace
}  // namespace tandemix
