#pragma once

// CnDES: DES (FIPS 46-3) in ECB mode on zero-padded 8-byte blocks, and the
// hexadecimal "protected value" form the settings file stores.

#include <array>
#include <cstdint>
#include <string>

#include "settings/error.h"

namespace tandemix {

// The failure of a protected text holding a character that is no hex digit:
// a type of its own, so that a damaged value can be told from other errors.
inline constexpr char kNotHexStringMessage[] = "Error: not a Hex String";
class NotHexStringError : public Error {
 public:
  NotHexStringError() : Error(kNotHexStringMessage) {}
};

using DesBlockBytes = std::array<uint8_t, 8>;
enum class DesDirection { Encrypt, Decrypt };

// Fills the module's one round-key table from an 8-byte key.
void MakeSubKeys(const DesBlockBytes& key);
// One block with the current round keys.
DesBlockBytes DesBlock(DesDirection direction, const DesBlockBytes& input);

// Byte strings throughout: one char per byte, no code-page conversion.
std::string DesEncryptString(const std::string& plain, const std::string& keyText);
std::string DesDecryptString(const std::string& cipher, const std::string& keyText);
std::string ProtectValue(const std::string& plain, const std::string& keyText);
int32_t HexDigitsToInt(const std::string& text);
std::string UnprotectValue(const std::string& hexText, const std::string& keyText);

}  // namespace tandemix
