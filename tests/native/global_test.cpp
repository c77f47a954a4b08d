#include "settings/global.h"

#include "settings/ansi_text.h"
#include "settings/error.h"
#include "settings/ini_file.h"
#include "tests/native/temp_folder.h"
#include "tests/utf16_file.h"

#include <gtest/gtest.h>

#include <string>

namespace tandemix {
namespace {

using test::Utf16File;

// DES-ECB under the key "vestiran", zero-padded, in uppercase hex, as OpenSSL
// computes it: translate.googleapis.com and mt.example.org.
const std::string kDefaultHostProtected = "0760D68898B3EA05CEE513E3E6AAFBEB64C9CE6A1585E6D5";
const std::string kOtherHostProtected = "E89E74D468A70488AAB89307CD38EE79";

class TDataObjectTest : public ::testing::Test {
 protected:
  std::string Stored(const char16_t* key) const {
    return Utf16ToAnsi(IniFile::Load(file_).Value(u"Option", key).value_or(u"<absent>"));
  }

  test::TempFolder folder_;
  std::u16string file_ = (folder_.path() / "ConfigEN.ini").u16string();
};

TEST_F(TDataObjectTest, WithoutAFileAllIsDefaultAndNoFileIsMade) {
  const TDataObject data(file_);
  EXPECT_EQ(data.IniFileName, file_);
  EXPECT_EQ(data.TimeOut, 15);
  EXPECT_EQ(data.TranslateMode, 1);
  EXPECT_EQ(data.SendMessageMode, 1);
  EXPECT_EQ(data.TransMothed, "translate.googleapis.com");
  EXPECT_EQ(data.SendIndex, 0);
  EXPECT_EQ(data.RecvIndex, 2);
  EXPECT_EQ(data.LangIndex, 0);
  EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(TDataObjectTest, SavingANewFileWritesTheSevenKeysWithTheHostProtected) {
  TDataObject(file_).SaveToFile();
  const std::string bytes = test::FileBytes(file_);
  EXPECT_EQ(bytes,
            "[Option]\r\nTimeOut=15\r\nTranslateMode=1\r\nSendMessageMode=1\r\nTransMothed=" +
                kDefaultHostProtected + "\r\nSendIndex=0\r\nRecvIndex=2\r\nLangIndex=0\r\n");
}

TEST_F(TDataObjectTest, WhatIsSavedLoadsBack) {
  TDataObject data(file_);
  data.TimeOut = -5;
  data.TranslateMode = 0;
  data.SendMessageMode = 2;
  data.TransMothed = "mt.example.org";
  data.SendIndex = 3;
  data.RecvIndex = 11;
  data.LangIndex = 7;
  data.SaveToFile();
  EXPECT_EQ(Stored(u"TimeOut"), "-5");
  EXPECT_EQ(Stored(u"TransMothed"), kOtherHostProtected);
  EXPECT_EQ(Stored(u"LangIndex"), "7");

  const TDataObject loaded(file_);
  EXPECT_EQ(loaded.TimeOut, -5);
  EXPECT_EQ(loaded.TranslateMode, 0);
  EXPECT_EQ(loaded.SendMessageMode, 2);
  EXPECT_EQ(loaded.TransMothed, "mt.example.org");
  EXPECT_EQ(loaded.SendIndex, 3);
  EXPECT_EQ(loaded.RecvIndex, 11);
  EXPECT_EQ(loaded.LangIndex, 7);
}

struct LoadCase {
  const char* label;
  std::string file;
  int32_t timeOut;
  std::string host;
};

TEST_F(TDataObjectTest, UnreadableValuesTakeTheirDefaults) {
  const std::string fallback = "translate.googleapis.com";
  const std::string valid = kOtherHostProtected;
  std::string withG = valid;
  withG[3] = 'G';
  std::string withBlank = valid;
  withBlank[5] = ' ';
  const LoadCase cases[] = {
      {"not a number", "[Option]\r\nTimeOut=abc\r\n", 15, fallback},
      {"hexadecimal", "[Option]\r\nTimeOut=0x1E\r\n", 30, fallback},
      {"negative", "[Option]\r\nTimeOut=-5\r\n", -5, fallback},
      {"out of range", "[Option]\r\nTimeOut=4294967296\r\n", 15, fallback},
      {"other letter case", "[option]\r\ntimeout=20\r\ntransmothed=" + valid + "\r\n", 20,
       "mt.example.org"},
      {"empty host", "[Option]\r\nTransMothed=\r\n", 15, fallback},
      {"fewer than 16 hex digits", "[Option]\r\nTransMothed=" + valid.substr(0, 15) + "\r\n", 15,
       fallback},
      {"odd length: the last character is not looked at",
       "[Option]\r\nTransMothed=" + valid + "Z\r\n", 15, "mt.example.org"},
      {"G among the hex digits", "[Option]\r\nTransMothed=" + withG + "\r\n", 15, fallback},
      {"blank among the hex digits", "[Option]\r\nTransMothed=" + withBlank + "\r\n", 15, fallback},
  };
  for (const LoadCase& c : cases) {
    test::WriteBytes(file_, c.file);
    const TDataObject data(file_);
    EXPECT_EQ(data.TimeOut, c.timeOut) << c.label;
    EXPECT_EQ(data.TransMothed, c.host) << c.label;
    EXPECT_EQ(test::FileBytes(file_), c.file) << c.label << ": loading changed the file";
  }
}

TEST_F(TDataObjectTest, ADamagedHostIsWrittenBackInGoodForm) {
  test::WriteBytes(file_, "[Option]\r\nTransMothed=0G23456789ABCDEF\r\n");
  TDataObject(file_).SaveToFile();
  EXPECT_EQ(Stored(u"TransMothed"), kDefaultHostProtected);
}

TEST_F(TDataObjectTest, SavingChangesOnlyTheSevenKeys) {
  const std::string before =
      "; Tandemix settings\r\n[Window]\r\nLeft = 10\r\n\r\n[option]\r\n timeout = 20 \r\n"
      "Extra=keep\r\nlangindex=1\r\n; end of options\r\n\r\n[Other]\r\nTimeOut=99\r\n";
  test::WriteBytes(file_, before);
  TDataObject data(file_);
  data.TimeOut = 25;
  data.SaveToFile();
  EXPECT_EQ(test::FileBytes(file_),
            "; Tandemix settings\r\n[Window]\r\nLeft = 10\r\n\r\n[option]\r\n timeout = 25 \r\n"
            "Extra=keep\r\nlangindex=1\r\nTranslateMode=1\r\nSendMessageMode=1\r\nTransMothed=" +
                kDefaultHostProtected +
                "\r\nSendIndex=0\r\nRecvIndex=2\r\n; end of options\r\n\r\n[Other]\r\n"
                "TimeOut=99\r\n");
}

TEST_F(TDataObjectTest, AUtf16FileStaysUtf16) {
  test::WriteBytes(file_,
                   Utf16File(u"[\u8BBE\u7F6E]\r\n\u540D=\u503C\r\n[Option]\r\nTimeOut=20\r\n"));
  TDataObject data(file_);
  EXPECT_EQ(data.TimeOut, 20);
  data.SaveToFile();
  EXPECT_EQ(test::FileBytes(file_),
            Utf16File(u"[\u8BBE\u7F6E]\r\n\u540D=\u503C\r\n[Option]\r\nTimeOut=20\r\n"
                      u"TranslateMode=1\r\nSendMessageMode=1\r\nTransMothed=" +
                      AnsiToUtf16(kDefaultHostProtected) +
                      u"\r\nSendIndex=0\r\nRecvIndex=2\r\nLangIndex=0\r\n"));
  EXPECT_EQ(TDataObject(file_).TransMothed, "translate.googleapis.com");
}

TEST_F(TDataObjectTest, AFileThatCouldNotBeReadIsNotOverwrittenWithTheDefaults) {
  // A folder in the file's place at the load; the user's file is back by the save.
  std::filesystem::create_directory(file_);
  TDataObject data(file_);
  EXPECT_TRUE(data.LoadFailed);
  EXPECT_EQ(data.TimeOut, 15);
  EXPECT_EQ(data.LangIndex, 0);
  std::filesystem::remove(file_);
  const std::string mine = "[Option]\r\nTimeOut=40\r\nLangIndex=1\r\n";
  test::WriteBytes(file_, mine);
  data.SendIndex = 4;
  data.SaveToFile();
  EXPECT_EQ(test::FileBytes(file_), mine);

  // A later load that reads the file lets the next save write it.
  data.LoadFromFile();
  EXPECT_FALSE(data.LoadFailed);
  data.SendIndex = 4;
  data.SaveToFile();
  EXPECT_EQ(Stored(u"SendIndex"), "4");
  EXPECT_EQ(Stored(u"TimeOut"), "40");
}

TEST_F(TDataObjectTest, AFailedSaveNamesTheFile) {
  const std::filesystem::path file = folder_.path() / "gone" / "ConfigEN.ini";
  const TDataObject data(file.u16string());
  try {
    data.SaveToFile();
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), "Cannot write the file " + file.string());
  }
}

}  // namespace
}  // namespace tandemix
