#include "settings/ini_file.h"

#include "settings/ascii_case.h"

#include "settings/ansi_text.h"
#include "settings/file_io.h"

#include <algorithm>
#include <utility>

namespace tandemix {

namespace {

// The profile reader's blanks: control characters 9 to 13, ^Z (DOS end of
// file) and space.
bool IsBlank(char16_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

std::u16string_view TrimBlanks(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Wine's profile functions fold ASCII letters only.
bool SameName(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool IsComment(std::u16string_view name) { return !name.empty() && name.front() == u';'; }

// As the system copies a value into the caller's buffer: one pair of matching
// quotes comes off; when the buffer cuts off the closing quote, the last
// character that fits goes in its place.
std::u16string AsReturned(std::u16string_view value) {
  const bool quoted = value.size() > 1 && (value.front() == u'"' || value.front() == u'\'') &&
                      value.back() == value.front();
  if (quoted) value.remove_prefix(1);
  std::u16string copy(value.substr(0, kIniValueBufferLength - 1));
  if (quoted && value.size() <= kIniValueBufferLength) copy.pop_back();
  return copy;
}

}  // namespace

IniFile::IniFile() { Parse(); }

IniFile::IniFile(std::string bytes, LeadBytePredicate isLeadByte) : isLeadByte_(isLeadByte) {
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
    encoding_ = Encoding::Utf16Le;
    size_t i = 2;
    for (; i + 1 < bytes.size(); i += 2) {
      units_ += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    oddByte_ = bytes.substr(i);
  } else {
    for (char byte : bytes) units_ += static_cast<unsigned char>(byte);
  }
  Parse();
}

IniFile IniFile::Load(const std::u16string& file) { return IniFile(ReadWholeFile(file).bytes); }

std::string IniFile::Bytes() const {
  std::string bytes;
  if (encoding_ == Encoding::Ansi) {
    for (char16_t unit : units_) bytes += static_cast<char>(unit);
    return bytes;
  }
  bytes = "\xFF\xFE";
  for (char16_t unit : units_) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes + oddByte_;
}

std::u16string IniFile::Decode(size_t begin, size_t end) const {
  std::u16string_view units(units_.data() + begin, end - begin);
  if (encoding_ == Encoding::Utf16Le) return std::u16string(units);
  return AnsiToUtf16(std::string(units.begin(), units.end()));
}

std::u16string IniFile::Encode(std::u16string_view text) const {
  if (encoding_ == Encoding::Utf16Le) return std::u16string(text);
  std::u16string units;
  for (char byte : Utf16ToAnsi(text)) units += static_cast<unsigned char>(byte);
  return units;
}

char16_t IniFile::Unit(size_t at) const { return secondByte_[at] ? kSecondByte : units_[at]; }

// The system decodes an ANSI file whole, and a double-byte character's first
// byte takes the next byte with it whatever it is, even a line break or "=".
// Marking those second bytes lets lines split and trim on bytes exactly as on
// the decoded text; only the "]" search needs the decoded line.
void IniFile::Parse() {
  secondByte_.assign(units_.size(), false);
  for (size_t i = 0; encoding_ == Encoding::Ansi && i + 1 < units_.size(); ++i) {
    if (isLeadByte_(static_cast<unsigned char>(units_[i]))) secondByte_[++i] = true;
  }
  sections_.assign(1, Section{});
  size_t begin = 0;
  while (begin < units_.size()) {
    size_t end = begin;
    while (end < units_.size() && !IsLineBreak(Unit(end))) ++end;
    size_t lineEnd = end;
    if (lineEnd < units_.size()) {
      const bool crlf =
          Unit(lineEnd) == u'\r' && lineEnd + 1 < units_.size() && Unit(lineEnd + 1) == u'\n';
      lineEnd += crlf ? 2 : 1;
    }
    ParseLine(begin, end, lineEnd);
    begin = lineEnd;
  }
}

void IniFile::ParseLine(size_t begin, size_t end, size_t lineEnd) {
  const size_t lineBegin = begin;
  while (begin < end && IsBlank(Unit(begin))) ++begin;
  while (end > begin && IsBlank(Unit(end - 1))) --end;
  if (begin == end) return;

  if (Unit(begin) == u'[') {
    std::u16string line = Decode(begin, end);
    const size_t close = line.rfind(u']');
    // A "[" line without "]" is read as a key.
    if (close != std::u16string::npos) {
      const std::u16string_view name = std::u16string_view(line).substr(1, close - 1);
      sections_.push_back(Section{std::u16string(TrimBlanks(name)), lineBegin, lineEnd, {}});
      return;
    }
  }

  Entry entry;
  entry.lineEnd = lineEnd;
  size_t equals = begin;
  while (equals < end && Unit(equals) != u'=') ++equals;
  if (equals == end) {
    entry.nameEnd = end;
  } else {
    entry.nameEnd = equals;
    while (entry.nameEnd > begin && IsBlank(Unit(entry.nameEnd - 1))) --entry.nameEnd;
    entry.valueBegin = equals + 1;
    while (entry.valueBegin < end && IsBlank(Unit(entry.valueBegin))) ++entry.valueBegin;
    entry.valueEnd = end;
    entry.value = Decode(entry.valueBegin, entry.valueEnd);
  }
  entry.name = Decode(begin, entry.nameEnd);
  // The system keeps one of several unnamed lines in a row.
  std::vector<Entry>& entries = sections_.back().entries;
  if (entry.name.empty() && !entries.empty() && entries.back().name.empty()) return;
  entries.push_back(std::move(entry));
}

// Only the first section of a name counts: keys in a later section of the
// same name are never found.
const IniFile::Section* IniFile::FindSection(std::u16string_view name) const {
  for (const Section& section : sections_) {
    if (SameName(section.name, name)) return &section;
  }
  return nullptr;
}

// The first line of the key wins, even one without "=".
const IniFile::Entry* IniFile::FindEntry(const Section& section, std::u16string_view key) const {
  for (const Entry& entry : section.entries) {
    if (SameName(entry.name, key)) return &entry;
  }
  return nullptr;
}

std::optional<std::u16string> IniFile::Value(std::u16string_view section,
                                             std::u16string_view key) const {
  const Section* found = FindSection(TrimBlanks(section));
  const Entry* entry = found ? FindEntry(*found, TrimBlanks(key)) : nullptr;
  if (!entry || !entry->value) return std::nullopt;
  return AsReturned(*entry->value);
}

std::vector<std::u16string> IniFile::SectionNames() const {
  std::vector<std::u16string> names;
  for (const Section& section : sections_) {
    if (!section.name.empty()) names.push_back(section.name);
  }
  return names;
}

std::vector<std::u16string> IniFile::KeyNames(std::u16string_view section) const {
  std::vector<std::u16string> names;
  const Section* found = FindSection(section);
  if (!found) return names;
  for (const Entry& entry : found->entries) {
    if (entry.value && !IsComment(entry.name)) names.push_back(entry.name);
  }
  // In the system's NUL-separated list a leading empty name reads as no list.
  if (!names.empty() && names.front().empty()) names.clear();
  return names;
}

// Reads the text as last parsed: one insertion between parses.
void IniFile::InsertLine(size_t at, std::u16string line, bool newSection) {
  // A file cut inside a double-byte character ends in a lone lead byte, which
  // would take a line break written after it as its second byte and change
  // the last line. A key then goes in front of that line, a new section in
  // front of the last section's header (in a file without headers it can
  // only follow the line). A header can take the pairing: its name ends at
  // its "]".
  const Section& last = sections_.back();
  const bool lastLineIsHeader = last.headerLineBegin != kNone && last.lineEnd == units_.size();
  if (at == units_.size() && EndsInLoneLeadByte() && !lastLineIsHeader) {
    if (!newSection) {
      while (at > 0 && !IsLineBreak(Unit(at - 1))) --at;
    } else if (last.headerLineBegin != kNone) {
      at = last.headerLineBegin;
    }
  }
  // The bytes FF FE at the start would make the next read take the file for UTF-16.
  if (at == 0 && encoding_ == Encoding::Ansi && line.starts_with(u"\xFF\xFE")) {
    line.insert(0, u"\r\n");
  }
  if (at > 0 && !IsLineBreak(Unit(at - 1))) {
    units_.insert(at, u"\r\n");
    at += 2;
  }
  units_.insert(at, u"\r\n");
  units_.insert(at, line);
}

bool IniFile::EndsInLoneLeadByte() const {
  return encoding_ == Encoding::Ansi && !units_.empty() && !secondByte_.back() &&
         isLeadByte_(static_cast<unsigned char>(units_.back()));
}

void IniFile::SetValue(std::u16string_view section, std::u16string_view key,
                       std::u16string_view value) {
  const Section* found = FindSection(TrimBlanks(section));
  const Entry* entry = found ? FindEntry(*found, TrimBlanks(key)) : nullptr;
  const std::u16string newValue = Encode(value);
  if (entry && entry->value) {
    units_.replace(entry->valueBegin, entry->valueEnd - entry->valueBegin, newValue);
  } else if (entry) {
    units_.insert(entry->nameEnd, newValue);
    units_.insert(entry->nameEnd, 1, u'=');
  } else {
    std::u16string line = Encode(key);
    line += u'=';
    line += newValue;
    if (found) {
      size_t at = found->lineEnd;
      for (const Entry& other : found->entries) {
        if (!IsComment(other.name)) at = other.lineEnd;
      }
      InsertLine(at, line, false);
    } else {
      std::u16string lines(1, u'[');
      lines += Encode(section);
      lines += u"]\r\n";
      lines += line;
      InsertLine(units_.size(), lines, true);
    }
  }
  Parse();
}

void IniFile::Save(const std::u16string& file) const { WriteFileAtomic(file, Bytes()); }

void CreateUnicodeIniFileIfMissing(const std::u16string& file) {
  if (PathExists(file)) return;
  WriteFileAtomic(file, std::string("\xFF\xFE\r\0\n\0", 6));
}

}  // namespace tandemix
