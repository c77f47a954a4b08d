#include "settings/ansi_text.h"

namespace tandemix {

size_t AnsiFitLength(std::string_view text, size_t limit, LeadBytePredicate isLeadByte) {
  size_t length = 0;
  while (length < text.size()) {
    const bool pair =
        isLeadByte(static_cast<unsigned char>(text[length])) && length + 1 < text.size();
    const size_t next = length + (pair ? 2 : 1);
    if (next > limit) break;
    length = next;
  }
  return length;
}

}  // namespace tandemix
