#pragma once

#include <string>
#include <string_view>

namespace tandemix {

// The message texts of an interface language: 0 Chinese (CHS.ini), 1 and any
// other index English (ENU.ini).
std::u16string HintFileName(int langIndex);

// Key of section [Hint] in the language's file beside the program, read anew
// on every call; empty when missing. A missing file is created at once as an
// empty UTF-16 ini file; throws Error when that fails.
std::u16string GetHintText(const std::u16string& programFolder, int langIndex,
                           std::u16string_view key);

}  // namespace tandemix
