#pragma once

// How the block viewer shows the shared control block to a plug-in developer.

#include <string>
#include <string_view>

#include "tandemix/trans_control_block.h"

namespace tandemix {

// A text field up to its first NUL; all of it when there is none.
std::string BlockText(const char (&field)[TRANS_TEXT_FIELD_SIZE]);

// One field a line, strings as their raw ANSI bytes.
std::string FormatBlockText(const TransControlBlock& block);

// One JSON object on one line; ansiToUtf8 converts the string fields.
using AnsiToUtf8 = std::string (*)(std::string_view ansi);
std::string FormatBlockJson(const TransControlBlock& block, AnsiToUtf8 ansiToUtf8);

}  // namespace tandemix
