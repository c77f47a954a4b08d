#pragma once

#include <string>
#include <string_view>

#include "window/lang_file.h"

namespace tandemix {

// Keys of the window's texts in the interface-language files, after the form's
// class name and its components' names. An empty component means the window
// itself. A list's lines are one value, property "Items.Text", joined by "<BR>".
std::u16string TextKey(std::u16string_view component, std::u16string_view property);
// "TfrmYahooIM_Main.btnStart.!Font", the form's own "TfrmYahooIM_Main.!Font".
std::u16string FontKey(std::u16string_view component);

// The font description of a component: under its key, or where a file joins
// the names without the last dot ("TfrmYahooIM_Main.btnStart!Font").
std::u16string FontText(const LangFile& file, std::u16string_view component);

}  // namespace tandemix
