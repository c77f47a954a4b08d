#pragma once

// UTF-8, the text of error messages and of file names outside Windows.

#include <string>
#include <string_view>

namespace tandemix {

// A broken sequence becomes one replacement character, so one bad byte cannot
// swallow the line break after it.
std::u16string Utf8ToUtf16(std::string_view bytes);
// A lone surrogate becomes the replacement character.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace tandemix
