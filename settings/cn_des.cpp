#include "settings/cn_des.h"

#include "settings/error.h"

#include <algorithm>

namespace tandemix {
namespace {

// Tables from FIPS 46-3. Entries are 1-based bit positions, bit 1 being the most
// significant bit of the input.
// clang-format off
constexpr uint8_t kInitialPermutation[64] = {
    58, 50, 42, 34, 26, 18, 10,  2,
    60, 52, 44, 36, 28, 20, 12,  4,
    62, 54, 46, 38, 30, 22, 14,  6,
    64, 56, 48, 40, 32, 24, 16,  8,
    57, 49, 41, 33, 25, 17,  9,  1,
    59, 51, 43, 35, 27, 19, 11,  3,
    61, 53, 45, 37, 29, 21, 13,  5,
    63, 55, 47, 39, 31, 23, 15,  7};

constexpr uint8_t kFinalPermutation[64] = {
    40,  8, 48, 16, 56, 24, 64, 32,
    39,  7, 47, 15, 55, 23, 63, 31,
    38,  6, 46, 14, 54, 22, 62, 30,
    37,  5, 45, 13, 53, 21, 61, 29,
    36,  4, 44, 12, 52, 20, 60, 28,
    35,  3, 43, 11, 51, 19, 59, 27,
    34,  2, 42, 10, 50, 18, 58, 26,
    33,  1, 41,  9, 49, 17, 57, 25};

constexpr uint8_t kExpansion[48] = {
    32,  1,  2,  3,  4,  5,
     4,  5,  6,  7,  8,  9,
     8,  9, 10, 11, 12, 13,
    12, 13, 14, 15, 16, 17,
    16, 17, 18, 19, 20, 21,
    20, 21, 22, 23, 24, 25,
    24, 25, 26, 27, 28, 29,
    28, 29, 30, 31, 32,  1};

constexpr uint8_t kRoundPermutation[32] = {
    16,  7, 20, 21,
    29, 12, 28, 17,
     1, 15, 23, 26,
     5, 18, 31, 10,
     2,  8, 24, 14,
    32, 27,  3,  9,
    19, 13, 30,  6,
    22, 11,  4, 25};

constexpr uint8_t kPermutedChoice1[56] = {
    57, 49, 41, 33, 25, 17,  9,
     1, 58, 50, 42, 34, 26, 18,
    10,  2, 59, 51, 43, 35, 27,
    19, 11,  3, 60, 52, 44, 36,
    63, 55, 47, 39, 31, 23, 15,
     7, 62, 54, 46, 38, 30, 22,
    14,  6, 61, 53, 45, 37, 29,
    21, 13,  5, 28, 20, 12,  4};

constexpr uint8_t kPermutedChoice2[48] = {
    14, 17, 11, 24,  1,  5,
     3, 28, 15,  6, 21, 10,
    23, 19, 12,  4, 26,  8,
    16,  7, 27, 20, 13,  2,
    41, 52, 31, 37, 47, 55,
    30, 40, 51, 45, 33, 48,
    44, 49, 39, 56, 34, 53,
    46, 42, 50, 36, 29, 32};

constexpr uint8_t kKeyShifts[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

constexpr uint8_t kSBoxes[8][4][16] = {
    {{14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
     {0, 15, 7, 4, 14, 2, 13, 1, 10, 6, 12, 11, 9, 5, 3, 8},
     {4, 1, 14, 8, 13, 6, 2, 11, 15, 12, 9, 7, 3, 10, 5, 0},
     {15, 12, 8, 2, 4, 9, 1, 7, 5, 11, 3, 14, 10, 0, 6, 13}},
    {{15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
     {3, 13, 4, 7, 15, 2, 8, 14, 12, 0, 1, 10, 6, 9, 11, 5},
     {0, 14, 7, 11, 10, 4, 13, 1, 5, 8, 12, 6, 9, 3, 2, 15},
     {13, 8, 10, 1, 3, 15, 4, 2, 11, 6, 7, 12, 0, 5, 14, 9}},
    {{10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
     {13, 7, 0, 9, 3, 4, 6, 10, 2, 8, 5, 14, 12, 11, 15, 1},
     {13, 6, 4, 9, 8, 15, 3, 0, 11, 1, 2, 12, 5, 10, 14, 7},
     {1, 10, 13, 0, 6, 9, 8, 7, 4, 15, 14, 3, 11, 5, 2, 12}},
    {{7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
     {13, 8, 11, 5, 6, 15, 0, 3, 4, 7, 2, 12, 1, 10, 14, 9},
     {10, 6, 9, 0, 12, 11, 7, 13, 15, 1, 3, 14, 5, 2, 8, 4},
     {3, 15, 0, 6, 10, 1, 13, 8, 9, 4, 5, 11, 12, 7, 2, 14}},
    {{2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
     {14, 11, 2, 12, 4, 7, 13, 1, 5, 0, 15, 10, 3, 9, 8, 6},
     {4, 2, 1, 11, 10, 13, 7, 8, 15, 9, 12, 5, 6, 3, 0, 14},
     {11, 8, 12, 7, 1, 14, 2, 13, 6, 15, 0, 9, 10, 4, 5, 3}},
    {{12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
     {10, 15, 4, 2, 7, 12, 9, 5, 6, 1, 13, 14, 0, 11, 3, 8},
     {9, 14, 15, 5, 2, 8, 12, 3, 7, 0, 4, 10, 1, 13, 11, 6},
     {4, 3, 2, 12, 9, 5, 15, 10, 11, 14, 1, 7, 6, 0, 8, 13}},
    {{4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
     {13, 0, 11, 7, 4, 9, 1, 10, 14, 3, 5, 12, 2, 15, 8, 6},
     {1, 4, 11, 13, 12, 3, 7, 14, 10, 15, 6, 8, 0, 5, 9, 2},
     {6, 11, 13, 8, 1, 4, 10, 7, 9, 5, 0, 15, 14, 2, 3, 12}},
    {{13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
     {1, 15, 13, 8, 10, 3, 7, 4, 12, 5, 6, 11, 0, 14, 9, 2},
     {7, 11, 4, 1, 9, 12, 14, 2, 0, 6, 10, 13, 15, 3, 5, 8},
     {2, 1, 14, 7, 4, 10, 8, 13, 15, 12, 9, 0, 3, 5, 6, 11}}};

// clang-format on

constexpr uint32_t kHalfKeyMask = 0x0FFFFFFF;  // 28 bits

// One table for the whole module: every string operation rebuilds it from its own key.
uint64_t SubKeys[16] = {};

// Picks bits of an inputBits-wide value in table order; the first entry becomes the
// most significant bit of the result.
template <size_t N>
uint64_t Permute(uint64_t input, int inputBits, const uint8_t (&table)[N]) {
  uint64_t output = 0;
  for (uint8_t position : table) {
    output = (output << 1) | ((input >> (inputBits - position)) & 1);
  }
  return output;
}

uint32_t RotateHalfKey(uint32_t half, int count) {
  return ((half << count) | (half >> (28 - count))) & kHalfKeyMask;
}

uint32_t RoundFunction(uint32_t right, uint64_t subKey) {
  const uint64_t mixed = Permute(right, 32, kExpansion) ^ subKey;
  uint32_t substituted = 0;
  for (int box = 0; box < 8; ++box) {
    const unsigned six = (mixed >> (42 - 6 * box)) & 0x3F;
    const unsigned row = ((six >> 4) & 2) | (six & 1);
    const unsigned column = (six >> 1) & 0xF;
    substituted = (substituted << 4) | kSBoxes[box][row][column];
  }
  return static_cast<uint32_t>(Permute(substituted, 32, kRoundPermutation));
}

uint64_t BlockToValue(const DesBlockBytes& block) {
  uint64_t value = 0;
  for (uint8_t byte : block) value = (value << 8) | byte;
  return value;
}

DesBlockBytes ValueToBlock(uint64_t value) {
  DesBlockBytes block;
  for (int i = 7; i >= 0; --i) {
    block[i] = static_cast<uint8_t>(value);
    value >>= 8;
  }
  return block;
}

DesBlockBytes BlockAt(const std::string& bytes, size_t offset) {
  DesBlockBytes block;
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(bytes[offset + i]);
  return block;
}

void AppendBlock(std::string& out, const DesBlockBytes& block) {
  out.append(reinterpret_cast<const char*>(block.data()), block.size());
}

// A short key text is topped up with zero bytes; anything past 8 bytes is ignored.
void PrepareKey(const std::string& keyText) {
  DesBlockBytes key{};
  std::copy_n(keyText.begin(), std::min(keyText.size(), key.size()), key.begin());
  MakeSubKeys(key);
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  throw NotHexStringError();
}

}  // namespace

void MakeSubKeys(const DesBlockBytes& key) {
  const uint64_t permuted = Permute(BlockToValue(key), 64, kPermutedChoice1);
  uint32_t c = static_cast<uint32_t>(permuted >> 28);
  uint32_t d = static_cast<uint32_t>(permuted) & kHalfKeyMask;
  for (int round = 0; round < 16; ++round) {
    c = RotateHalfKey(c, kKeyShifts[round]);
    d = RotateHalfKey(d, kKeyShifts[round]);
    SubKeys[round] = Permute((uint64_t{c} << 28) | d, 56, kPermutedChoice2);
  }
}

DesBlockBytes DesBlock(DesDirection direction, const DesBlockBytes& input) {
  const uint64_t permuted = Permute(BlockToValue(input), 64, kInitialPermutation);
  uint32_t left = static_cast<uint32_t>(permuted >> 32);
  uint32_t right = static_cast<uint32_t>(permuted);
  for (int round = 0; round < 16; ++round) {
    const int keyIndex = direction == DesDirection::Encrypt ? round : 15 - round;
    const uint32_t next = left ^ RoundFunction(right, SubKeys[keyIndex]);
    left = right;
    right = next;
  }
  // The halves swap once more after the last round.
  const uint64_t preOutput = (uint64_t{right} << 32) | left;
  return ValueToBlock(Permute(preOutput, 64, kFinalPermutation));
}

std::string DesEncryptString(const std::string& plain, const std::string& keyText) {
  // Zero padding would make a trailing zero vanish on the way back.
  if (!plain.empty() && plain.back() == '\0') throw Error("Error: the last char is NULL char.");
  PrepareKey(keyText);
  std::string padded = plain;
  padded.resize((plain.size() + 7) / 8 * 8, '\0');
  std::string cipher;
  for (size_t offset = 0; offset < padded.size(); offset += 8) {
    AppendBlock(cipher, DesBlock(DesDirection::Encrypt, BlockAt(padded, offset)));
  }
  return cipher;
}

std::string DesDecryptString(const std::string& cipher, const std::string& keyText) {
  PrepareKey(keyText);
  std::string plain;
  for (size_t offset = 0; offset + 8 <= cipher.size(); offset += 8) {
    AppendBlock(plain, DesBlock(DesDirection::Decrypt, BlockAt(cipher, offset)));
  }
  while (!plain.empty() && plain.back() == '\0') plain.pop_back();
  return plain;
}

std::string ProtectValue(const std::string& plain, const std::string& keyText) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (char c : DesEncryptString(plain, keyText)) {
    const auto byte = static_cast<uint8_t>(c);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
  }
  return hex;
}

int32_t HexDigitsToInt(const std::string& text) {
  uint32_t value = 0;
  for (char c : text) value = value * 16 + static_cast<uint32_t>(HexDigitValue(c));
  return static_cast<int32_t>(value);
}

std::string UnprotectValue(const std::string& hexText, const std::string& keyText) {
  std::string cipher;
  for (size_t i = 0; i + 2 <= hexText.size(); i += 2) {
    cipher += static_cast<char>(HexDigitsToInt(hexText.substr(i, 2)));
  }
  return DesDecryptString(cipher, keyText);
}

}  // namespace tandemix
