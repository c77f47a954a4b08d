// The block viewer's output for any block a plug-in or a stray writer leaves:
// the text form has one line per field name, and the JSON form is one line of
// valid JSON whose strings decode to the fields' text.

#include "tests/fuzz/fuzz_support.h"
#include "tools/block_format.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tandemix::fuzz {
namespace {

std::string Latin1ToUtf8(std::string_view ansi) {
  std::string utf8;
  for (unsigned char c : ansi) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else {
      utf8 += static_cast<char>(0xC0 | c >> 6);
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// A strict reader of the one shape the viewer writes: a flat object of
// numbers, booleans and strings. Gives each string member decoded, or nothing
// when the text is no such JSON.
class FlatJson {
 public:
  explicit FlatJson(std::string_view text) : text_(text) {}

  std::optional<std::map<std::string, std::string>> Strings() {
    std::map<std::string, std::string> strings;
    if (!Take('{')) return std::nullopt;
    do {
      const auto name = String();
      if (!name || !Take(':')) return std::nullopt;
      if (Peek() == '"') {
        const auto value = String();
        if (!value) return std::nullopt;
        strings[*name] = *value;
      } else if (!Literal("true") && !Literal("false") && !Number()) {
        return std::nullopt;
      }
    } while (Take(','));
    if (!Take('}') || at_ != text_.size()) return std::nullopt;
    return strings;
  }

 private:
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool Take(char c) { return Peek() == c && (++at_, true); }
  bool Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool Number() {
    const size_t begin = at_;
    Take('-');
    while (Peek() >= '0' && Peek() <= '9') ++at_;
    return at_ > begin && text_[at_ - 1] != '-';
  }
  std::optional<std::string> String() {
    if (!Take('"')) return std::nullopt;
    std::string value;
    while (at_ < text_.size() && text_[at_] != '"') {
      const auto c = static_cast<unsigned char>(text_[at_++]);
      if (c < 0x20) return std::nullopt;
      if (c != '\\') {
        value += static_cast<char>(c);
        continue;
      }
      const char escape = Peek();
      ++at_;
      if (escape == '"' || escape == '\\' || escape == '/') {
        value += escape;
      } else if (escape == 'u' && at_ + 4 <= text_.size()) {
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
          const char h = text_[at_++];
          const int digit = h >= '0' && h <= '9'   ? h - '0'
                            : h >= 'a' && h <= 'f' ? h - 'a' + 10
                            : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                   : -1;
          if (digit < 0) return std::nullopt;
          code = code * 16 + static_cast<unsigned>(digit);
        }
        if (code >= 0x20) return std::nullopt;  // the viewer escapes control characters only
        value += static_cast<char>(code);
      } else if (std::strchr("bfnrt", escape) && escape != '\0') {
        value += "\b\f\n\r\t"[std::strchr("bfnrt", escape) - "bfnrt"];
      } else {
        return std::nullopt;
      }
    }
    if (!Take('"')) return std::nullopt;
    return value;
  }

  std::string_view text_;
  size_t at_ = 0;
};

std::string FieldText(const char (&field)[TRANS_TEXT_FIELD_SIZE]) {
  return std::string(field, strnlen(field, TRANS_TEXT_FIELD_SIZE));
}

}  // namespace
}  // namespace tandemix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  TransControlBlock block;
  std::memset(&block, 0, sizeof block);
  std::memcpy(&block, data, size < sizeof block ? size : sizeof block);

  const std::string text = FormatBlockText(block);
  for (const char* name : {"TransState", "OwnerProcessId", "TransTimeOut", "NeedConfirm",
                           "SaveHistory", "TransHostName", "SendLang", "RecvLang"}) {
    Check(text.find(std::string("\n") + name) != std::string::npos || text.starts_with(name),
          "every field has its line");
  }

  const std::string json = FormatBlockJson(block, Latin1ToUtf8);
  const auto strings = FlatJson(json).Strings();
  Check(strings.has_value(), "the JSON is valid");
  Check(strings->at("OwnerExeName") == Latin1ToUtf8(FieldText(block.OwnerExeName)) &&
            strings->at("TransHostName") == Latin1ToUtf8(FieldText(block.TransHostName)) &&
            strings->at("SendLang") == Latin1ToUtf8(FieldText(block.SendLang)) &&
            strings->at("RecvLang") == Latin1ToUtf8(FieldText(block.RecvLang)),
        "the JSON strings are the fields' text");
  return 0;
}
