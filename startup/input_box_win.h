#pragma once

#include <string>

namespace tandemix {

// A plain input box: a caption, one line of prompt, a one-line field of at
// most 255 characters, OK and Cancel. ANSI text in and out; empty on Cancel.
std::string InputBox(const std::string& caption, const std::string& prompt);

}  // namespace tandemix
