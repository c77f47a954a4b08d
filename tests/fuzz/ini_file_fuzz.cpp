// The ini reader and writer: any bytes read back as they were, and a value
// written reads back in a fresh read of the file while every other value stays.
// Input: a section line, a key line, a value line, then the file's bytes.

#include "settings/ini_file.h"
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tandemix::fuzz {
namespace {

bool NoLeadBytes(unsigned char) { return false; }
// Code page 936's lead bytes.
bool GbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

bool IsBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }

// Text the code page could give for a name or value: every lead byte has a
// second byte in 0x40..0xFE, none at the end, and no line break anywhere.
bool WellFormed(std::string_view text, LeadBytePredicate isLeadByte) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r' || byte == '\n' || byte == 0) return false;
    if (isLeadByte(byte)) {
      if (i + 1 == text.size()) return false;
      const auto second = static_cast<unsigned char>(text[++i]);
      if (second < 0x40 || second == 0x7F || second == 0xFF) return false;
    }
  }
  return true;
}

// The profile functions fold ASCII letters only.
bool SameName(std::u16string_view a, std::u16string_view b) {
  auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char16_t x, char16_t y) { return upper(x) == upper(y); });
}

bool EndsInLoneLeadByte(std::string_view bytes, LeadBytePredicate isLeadByte) {
  bool lone = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    lone = isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 == bytes.size();
    if (isLeadByte(static_cast<unsigned char>(bytes[i]))) ++i;
  }
  return lone;
}

bool Trimmed(std::string_view text) {
  return text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back()));
}

// What the format can hold and give back unchanged.
bool Writable(std::string_view section, std::string_view key, std::string_view value,
              LeadBytePredicate isLeadByte) {
  const bool quoted = value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return WellFormed(section, isLeadByte) && WellFormed(key, isLeadByte) &&
         WellFormed(value, isLeadByte) && Trimmed(section) && Trimmed(key) && Trimmed(value) &&
         section.find(']') == std::string_view::npos && !key.empty() &&
         key.find('=') == std::string_view::npos && key.front() != '[' && !quoted &&
         value.size() < kIniValueBufferLength - 1;
}

void CheckFile(std::string_view section, std::string_view key, std::string_view value,
               const std::string& bytes, LeadBytePredicate isLeadByte) {
  IniFile ini(bytes, isLeadByte);
  Check(ini.Bytes() == bytes, "reading keeps the bytes");
  if (ini.encoding() != IniFile::Encoding::Ansi) return;  // the code units are then UTF-16
  if (!Writable(section, key, value, isLeadByte)) return;

  const std::u16string s = Widen(section), k = Widen(key), v = Widen(value);
  std::vector<std::u16string> sections = ini.SectionNames();
  sections.push_back(u"");
  ini.SetValue(s, k, v);
  const IniFile after(ini.Bytes(), isLeadByte);
  Check(after.encoding() == IniFile::Encoding::Ansi, "an ANSI file stays ANSI");
  Check(after.Value(s, k) == v, "the value written reads back");

  const IniFile before(bytes, isLeadByte);
  // Known and left: in a file without sections that ends inside a character,
  // a new section can only go after that character, whose lead byte then
  // pairs with the line break (code page 936 reads both as "?").
  if (EndsInLoneLeadByte(bytes, isLeadByte) && before.SectionNames().empty() && !s.empty()) return;
  for (const std::u16string& name : sections) {
    for (const std::u16string& other : before.KeyNames(name)) {
      if (SameName(name, s) && SameName(other, k)) continue;
      Check(after.Value(name, other) == before.Value(name, other), "every other value stays");
    }
  }
}

}  // namespace
}  // namespace tandemix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix::fuzz;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view section, key, value;
  if (!TakeLine(input, section) || !TakeLine(input, key) || !TakeLine(input, value)) return 0;
  const std::string bytes(input);
  CheckFile(section, key, value, bytes, NoLeadBytes);
  CheckFile(section, key, value, bytes, GbkLeadByte);
  return 0;
}
