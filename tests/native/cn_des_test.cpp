#include "settings/cn_des.h"

#include "settings/error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>

namespace tandemix {
namespace {

using namespace std::string_literals;

std::string Bytes(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

DesBlockBytes Block(const std::string& hex) {
  const std::string bytes = Bytes(hex);
  DesBlockBytes block{};
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(bytes.at(i));
  return block;
}

// Expects the call to throw Error with exactly this message.
template <typename Call>
void ExpectError(Call call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const Error& e) {
    EXPECT_EQ(e.what(), message);
  }
}

const std::string kLastCharNull = "Error: the last char is NULL char.";
const std::string kNotHex = "Error: not a Hex String";

struct KnownAnswer {
  const char* key;
  const char* plain;
  const char* cipher;
};

// Published DES known answers: FIPS 81 (ECB example), the worked example of
// J. Orlin Grabbe's "The DES Algorithm Illustrated", and NIST SP 800-17 appendix B
// (variable plaintext, variable key, permutation operation and substitution table tests).
const KnownAnswer kKnownAnswers[] = {
    {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},
    {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
    // Variable plaintext.
    {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},
    {"0101010101010101", "4000000000000000", "DD7F121CA5015619"},
    {"0101010101010101", "0000000100000000", "AEB5F5EDE22D1A36"},
    {"0101010101010101", "0000000080000000", "E943D7568AEC0C5C"},
    {"0101010101010101", "0000000000000002", "06E7EA22CE92708F"},
    {"0101010101010101", "0000000000000001", "166B40B44ABA4BD6"},
    // Variable key.
    {"8001010101010101", "0000000000000000", "95A8D72813DAA94D"},
    {"4001010101010101", "0000000000000000", "0EEC1487DD8C26D5"},
    {"0180010101010101", "0000000000000000", "2055123350C00858"},
    {"0101010180010101", "0000000000000000", "19D032E64AB0BD8B"},
    {"0101010101010180", "0000000000000000", "9CC62DF43B6EED74"},
    {"0101010101010102", "0000000000000000", "869EFD7F9F265A09"},
    // Permutation operation.
    {"1046913489980131", "0000000000000000", "88D55E54F54C97B4"},
    {"1007103489988020", "0000000000000000", "0C0CC00C83EA48FD"},
    {"3107915498080101", "0000000000000000", "7CFD82A593252B4E"},
    {"1002911698100101", "0000000000000000", "1AEAC39A61F0A464"},
    // Substitution table: together these use every S-box entry.
    {"7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "7A389D10354BD271"},
    {"07A1133E4A0B2686", "0248D43806F67172", "868EBB51CAB4599A"},
    {"3849674C2602319E", "51454B582DDF440A", "7178876E01F19B2A"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "AF37FB421F8C4095"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "86A560F10EC6D85B"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "0CD3DA020021DC09"},
    {"43297FAD38E373FE", "762514B829BF486A", "EA676B2CB7DB2B7A"},
    {"07A7137045DA2A16", "3BDD119049372802", "DFD64A815CAF1A0F"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "5C513C9C4886C088"},
    {"37D06BB516CB7546", "164D5E404F275232", "0A2AEEAE3FF4AB77"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "EF1BF03E5DFA575A"},
    {"584023641ABA6176", "004BD6EF09176062", "88BF0DB6D70DEE56"},
    {"025816164629B007", "480D39006EE762F2", "A1F9915541020B56"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "6FBF1CAFCFFD0556"},
    {"4FB05E1515AB73A7", "072D43A077075292", "2F22E49BAB7CA1AC"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "5A6B612CC26CCE4A"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "5F4C038ED12B2E41"},
    {"1C587F1C13924FEF", "305532286D6F295A", "63FAC0D034D9F793"},
};

TEST(CnDesBlockTest, PublishedVectorsEncryptAndDecrypt) {
  for (const KnownAnswer& v : kKnownAnswers) {
    SCOPED_TRACE(std::string(v.key) + " " + v.plain);
    MakeSubKeys(Block(v.key));
    EXPECT_EQ(DesBlock(DesDirection::Encrypt, Block(v.plain)), Block(v.cipher));
    EXPECT_EQ(DesBlock(DesDirection::Decrypt, Block(v.cipher)), Block(v.plain));
  }
}

TEST(CnDesBlockTest, ParityBitsOfTheKeyDoNotMatter) {
  MakeSubKeys(Block("0000000000000000"));
  EXPECT_EQ(DesBlock(DesDirection::Encrypt, Block("8000000000000000")), Block("95F8A5E5DD31D900"));
  MakeSubKeys(Block("0022446688AACCEE"));  // 0123456789ABCDEF with every low bit flipped
  EXPECT_EQ(DesBlock(DesDirection::Encrypt, Block("4E6F772069732074")), Block("3FA40E8A984D4815"));
}

TEST(CnDesBlockTest, StringOperationsLeaveTheirKeyInTheSharedTable) {
  MakeSubKeys(Block("0123456789ABCDEF"));
  ProtectValue("x", "");  // all-zero key, same schedule as 0101010101010101
  EXPECT_EQ(DesBlock(DesDirection::Encrypt, Block("8000000000000000")), Block("95F8A5E5DD31D900"));

  MakeSubKeys(Block("0123456789ABCDEF"));
  UnprotectValue("", Bytes("8001010101010101"));
  EXPECT_EQ(DesBlock(DesDirection::Encrypt, Block("0000000000000000")), Block("95A8D72813DAA94D"));
}

TEST(CnDesBlockTest, RejectedInputLeavesTheSharedTableAlone) {
  const std::string otherKey = Bytes("133457799BBCDFF1");
  MakeSubKeys(Block("0123456789ABCDEF"));
  EXPECT_THROW(ProtectValue("abc\0"s, otherKey), Error);
  EXPECT_THROW(UnprotectValue("3FA40E8A984D48zz", otherKey), Error);
  EXPECT_EQ(DesBlock(DesDirection::Encrypt, Block("4E6F772069732074")), Block("3FA40E8A984D4815"));
}

TEST(CnDesStringTest, FipsEcbExampleAsOneString) {
  const std::string key = Bytes("0123456789ABCDEF");
  const std::string plain = "Now is the time for all ";
  const std::string cipher = Bytes("3FA40E8A984D48156A271787AB8883F9893D51EC4B563B53");
  EXPECT_EQ(DesEncryptString(plain, key), cipher);  // exact multiple of 8: no extra block
  EXPECT_EQ(DesDecryptString(cipher, key), plain);
  EXPECT_EQ(ProtectValue(plain, key), "3FA40E8A984D48156A271787AB8883F9893D51EC4B563B53");
  EXPECT_EQ(UnprotectValue("3fa40e8a984d48156a271787ab8883f9893d51ec4b563b53", key), plain);
}

struct ProtectCase {
  std::string plain;
  std::string keyText;
  std::string hex;
};

TEST(CnDesStringTest, PadsTheLastBlockWithZeroBytes) {
  // Built from the published blocks above. An empty key text is eight zero bytes,
  // which only differs from 0101010101010101 in parity bits.
  const ProtectCase cases[] = {
      {"\x80", "", "95F8A5E5DD31D900"},
      {"\x80\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x01"s, "", "95F8A5E5DD31D900166B40B44ABA4BD6"},
      {"\0\0\0\0\0\0\0\x01\x80"s, "", "166B40B44ABA4BD695F8A5E5DD31D900"},
      {"\x40", "\x01", "DD7F121CA5015619"},
      {"Now is t", Bytes("0123456789ABCDEF") + "ignored", "3FA40E8A984D4815"},
  };
  for (const ProtectCase& c : cases) {
    SCOPED_TRACE(c.hex);
    EXPECT_EQ(ProtectValue(c.plain, c.keyText), c.hex);
    EXPECT_EQ(DesEncryptString(c.plain, c.keyText), Bytes(c.hex));
  }
}

TEST(CnDesStringTest, OutputIsSixteenUppercaseDigitsPerStartedBlock) {
  const std::pair<size_t, size_t> lengths[] = {{0, 0},  {1, 16},  {7, 16}, {8, 16},
                                               {9, 32}, {16, 32}, {17, 48}};
  for (const auto& [plainLength, hexLength] : lengths) {
    SCOPED_TRACE(plainLength);
    const std::string hex = ProtectValue(std::string(plainLength, 'a'), "key");
    EXPECT_EQ(hex.size(), hexLength);
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos) << hex;
  }
}

TEST(CnDesStringTest, PlainEndingInZeroByteIsRejected) {
  for (const std::string& plain : {"\0"s, "\0\0"s, "abc\0"s, "abcdefg\0"s, "abcdefgh\0"s}) {
    SCOPED_TRACE(plain.size());
    ExpectError([&] { ProtectValue(plain, "key"); }, kLastCharNull);
    ExpectError([&] { DesEncryptString(plain, "key"); }, kLastCharNull);
  }
}

TEST(CnDesStringTest, ZeroBytesBeforeTheEndRoundTrip) {
  for (const std::string& plain : {"\0a"s, "a\0b"s, "\0\0\0\0\0\0\0\0x"s, "abcdefg\0h"s}) {
    SCOPED_TRACE(plain.size());
    EXPECT_EQ(UnprotectValue(ProtectValue(plain, "key"), "key"), plain);
  }
}

TEST(CnDesStringTest, RandomTextsAndKeysRoundTrip) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> plainLength(0, 40);
  std::uniform_int_distribution<int> keyLength(0, 12);
  for (int i = 0; i < 2000; ++i) {
    std::string plain(plainLength(random), '\0');
    for (char& c : plain) c = static_cast<char>(byte(random));
    if (!plain.empty() && plain.back() == '\0') plain.back() = '\x01';
    std::string key(keyLength(random), '\0');
    for (char& c : key) c = static_cast<char>(byte(random));

    const std::string hex = ProtectValue(plain, key);
    ASSERT_EQ(UnprotectValue(hex, key), plain) << "iteration " << i << ", hex " << hex;
  }
}

TEST(CnDesStringTest, KeyTextsThatMakeTheSameKey) {
  const std::pair<std::string, std::string> sameKeys[] = {
      {"abcdefgh", "abcdefghXYZ"},  // only the first 8 bytes count
      {"abc", "abc\0\0\0\0\0"s},    // short text is topped up with zeros
      {"", "\0\0\0\0\0\0\0\0"s},
      {"abcdefgh", "`cbedgfi"},  // every low (parity) bit flipped
  };
  const std::string plain = "secret value";
  for (const auto& [first, second] : sameKeys) {
    SCOPED_TRACE(first);
    EXPECT_EQ(ProtectValue(plain, first), ProtectValue(plain, second));
    EXPECT_EQ(UnprotectValue(ProtectValue(plain, first), second), plain);
  }
}

TEST(CnDesStringTest, KeyTextsThatMakeDifferentKeys) {
  const std::pair<std::string, std::string> differentKeys[] = {
      {"abcdefgh", "abcdefgH"},  // the 8th byte still counts
      {"abc", "abc\x02"},        // the topping-up bytes are zeros
      {"abc", "abc   "},
  };
  const std::string plain = "secret value";
  for (const auto& [first, second] : differentKeys) {
    SCOPED_TRACE(first);
    EXPECT_NE(ProtectValue(plain, first), ProtectValue(plain, second));
  }
}

TEST(CnDesStringTest, DecryptDropsTrailingZeroBytesOnly) {
  const ProtectCase cases[] = {
      {"\x80", "", "95F8A5E5DD31D900"},
      {"\0\0\0\0\0\0\0\x01"s, "", "166B40B44ABA4BD6"},
      {"\x80\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x01"s, "", "95F8A5E5DD31D900166B40B44ABA4BD6"},
      {"\0\0\0\0\0\0\0\x01\x80"s, "", "166B40B44ABA4BD695F8A5E5DD31D900"},
      // Blocks that decrypt to all zeros leave nothing; the key texts stand for
      // 8001010101010101 and 0180010101010101.
      {"", "\x80", "95A8D72813DAA94D"},
      {"", "\x01\x80", "2055123350C00858"},
  };
  for (const ProtectCase& c : cases) {
    SCOPED_TRACE(c.hex);
    EXPECT_EQ(DesDecryptString(Bytes(c.hex), c.keyText), c.plain);
    EXPECT_EQ(UnprotectValue(c.hex, c.keyText), c.plain);
  }
}

TEST(CnDesStringTest, DecryptIgnoresAShortLastPart) {
  EXPECT_EQ(DesDecryptString(Bytes("95F8A5E5DD31D900ABCDEF"), ""), "\x80");
  EXPECT_EQ(DesDecryptString(Bytes("95F8A5E5DD31D9"), ""), "");
  EXPECT_EQ(DesDecryptString("", "key"), "");
}

TEST(CnDesUnprotectTest, ReadsWholeDigitPairsOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"9", ""},
      {"Z", ""},                     // a lone last char is never looked at
      {"95F8A5E5DD31D9", ""},        // less than one block
      {"95f8a5e5dd31d900", "\x80"},  // lowercase digits
      {"95F8a5E5dD31d900", "\x80"},
      {"95F8A5E5DD31D900Z", "\x80"},
      {"95F8A5E5DD31D900ABCD", "\x80"},  // 10 bytes: one block and a short rest
      {"95F8A5E5DD31D900ABCDEF0", "\x80"},
  };
  for (const auto& [hex, plain] : cases) {
    SCOPED_TRACE(hex);
    EXPECT_EQ(UnprotectValue(hex, ""), plain);
  }
}

TEST(CnDesUnprotectTest, RejectsAPairWithANonDigit) {
  const std::string badTexts[] = {"ZZ95F8A5E5DD31D900",
                                  "95F8A5E5DD31D90G",
                                  "95F8A5E5DD31D900ZZ",
                                  "95F8A5E5DD31D900 1",
                                  " 95F8A5E5DD31D90",
                                  "-1",
                                  "+1",
                                  "0x",
                                  "95F8A5E5DD31D9\0"
                                  "0"s};
  for (const std::string& hex : badTexts) {
    SCOPED_TRACE(hex);
    ExpectError([&] { UnprotectValue(hex, ""); }, kNotHex);
    EXPECT_THROW(UnprotectValue(hex, ""), NotHexStringError);
  }
}

TEST(CnDesHexTest, ConvertsDigitsOfEitherCase) {
  const std::pair<std::string, int32_t> cases[] = {
      {"", 0},
      {"0", 0},
      {"9", 9},
      {"A", 10},
      {"F", 15},
      {"a", 10},
      {"f", 15},
      {"10", 16},
      {"fF", 255},
      {"00ff", 255},
      {"7FFFFFFF", INT32_MAX},
      {"FFFFFFFF", -1},
      {"100000001", 1},  // 32-bit arithmetic wraps
  };
  for (const auto& [text, value] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(HexDigitsToInt(text), value);
  }
}

TEST(CnDesHexTest, RejectsAnyOtherChar) {
  const std::string badTexts[] = {"G",  "g",  "/",  ":",   "@",    "`",   " 1",
                                  "1 ", "-1", "+1", "0x1", "\xC1", "1\0"s};
  for (const std::string& text : badTexts) {
    SCOPED_TRACE(text);
    ExpectError([&] { HexDigitsToInt(text); }, kNotHex);
    EXPECT_THROW(HexDigitsToInt(text), NotHexStringError);
  }
}

}  // namespace
}  // namespace tandemix
