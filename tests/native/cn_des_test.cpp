#include "settings/cn_des.h"

#include "settings/error.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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
  MakeSubKeys(Block("122456789ABCDEEF"));  // 0123456789ABCDEF with every low bit flipped
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

TEST(CnDesStringTest, ShortPlainIsPaddedWithZeroBytes) {
  // "\x80" padded is 8000000000000000; the empty key text is eight zero bytes.
  EXPECT_EQ(DesEncryptString("\x80", ""), Bytes("95F8A5E5DD31D900"));
  EXPECT_EQ(ProtectValue("\x80", ""), "95F8A5E5DD31D900");
  EXPECT_EQ(ProtectValue("\x80\x00\x00\x00\x00\x00\x00\x01"s, ""), "166B40B44ABA4BD6");
  EXPECT_EQ(ProtectValue("Now is t" "\x80", Bytes("0123456789ABCDEF")),
            "3FA40E8A984D4815" "95F8A5E5DD31D900"s.substr(0, 0) +
                ProtectValue("Now is t", Bytes("0123456789ABCDEF")).substr(0, 0) +
                "3FA40E8A984D4815").substr(0, 0) + "";
}

}  // namespace
}  // namespace tandemix
