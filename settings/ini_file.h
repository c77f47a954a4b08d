#pragma once

// The program's one ini reader and writer. Reading answers as the system's
// profile functions do (GetPrivateProfileStringW, section names, key names
// with a NULL key), as Wine implements them. Writing edits the text in place:
// every line it does not touch keeps its bytes, its comments and its spacing.

#include "settings/ansi_text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandemix {

// Callers read values into buffers of this many characters, the last for the NUL.
inline constexpr size_t kIniValueBufferLength = 2048;

class IniFile {
 public:
  // A file beginning with the UTF-16LE byte order mark is UTF-16, any other ANSI.
  enum class Encoding { Ansi, Utf16Le };

  // An empty ANSI file.
  IniFile();
  // An ini file from its bytes as they lie on disk; an ANSI file's double-byte
  // characters begin with the bytes isLeadByte names.
  explicit IniFile(std::string bytes, LeadBytePredicate isLeadByte = IsAnsiLeadByte);
  // As the system reads: a missing or unreadable file has nothing in it (a
  // caller that must tell the two apart reads with ReadWholeFile).
  static IniFile Load(const std::u16string& file);

  Encoding encoding() const { return encoding_; }
  std::string Bytes() const;

  // What GetPrivateProfileStringW puts in a kIniValueBufferLength buffer;
  // nothing when the section or key is missing or the key's line has no "=".
  std::optional<std::u16string> Value(std::u16string_view section, std::u16string_view key) const;
  // In file order, duplicates included, as the system lists them.
  std::vector<std::u16string> SectionNames() const;
  std::vector<std::u16string> KeyNames(std::u16string_view section) const;

  // Replaces the value where a reader finds it; a missing key goes to the end
  // of its section, a missing section to the end of the file.
  void SetValue(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  // Replaces the whole file in one step (WriteFileAtomic).
  void Save(const std::u16string& file) const;

 private:
  static constexpr size_t kNone = std::u16string::npos;

  // A non-blank line that is not a section header; positions index units_.
  struct Entry {
    std::u16string name;
    std::optional<std::u16string> value;  // none when the line has no "="
    size_t nameEnd = 0;
    size_t valueBegin = kNone;
    size_t valueEnd = kNone;
    size_t lineEnd = 0;  // after the line break
  };
  struct Section {
    std::u16string name;             // empty for the lines before the first header
    size_t headerLineBegin = kNone;  // none for the lines before the first header
    size_t lineEnd = 0;
    std::vector<Entry> entries;
  };

  // Stands for the second byte of a double-byte character: never a blank,
  // "=", "[" or line break.
  static constexpr char16_t kSecondByte = 0xFFFF;

  char16_t Unit(size_t at) const;
  void Parse();
  void ParseLine(size_t begin, size_t end, size_t lineEnd);
  std::u16string Decode(size_t begin, size_t end) const;
  std::u16string Encode(std::u16string_view text) const;
  void InsertLine(size_t at, std::u16string line, bool newSection);
  bool EndsInLoneLeadByte() const;
  const Section* FindSection(std::u16string_view name) const;
  const Entry* FindEntry(const Section& section, std::u16string_view key) const;

  Encoding encoding_ = Encoding::Ansi;
  LeadBytePredicate isLeadByte_ = IsAnsiLeadByte;
  // The text as code units: one per byte in an ANSI file, so that untouched
  // bytes are never converted; the UTF-16 text after the mark otherwise.
  std::u16string units_;
  std::string oddByte_;  // a UTF-16 file's stray last byte, kept as it was
  std::vector<bool> secondByte_;
  std::vector<Section> sections_;
};

// Creates a missing file at once as an empty UTF-16LE ini file (the bytes
// FF FE 0D 00 0A 00); an existing file is left alone. Throws Error naming the
// file when it cannot be created.
void CreateUnicodeIniFileIfMissing(const std::u16string& file);

}  // namespace tandemix
