#pragma once

#include <string>
#include <string_view>

namespace tandemix {

// Keys of the window's texts in the interface-language files, after the form's
// class name and its components' names. An empty component means the window
// itself. A list's lines are one value, property "Items.Text", joined by "<BR>".
std::u16string TextKey(std::u16string_view component, std::u16string_view property);
std::u16string FontKey(std::u16string_view component);

}  // namespace tandemix
