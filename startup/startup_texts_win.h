#pragma once

#include <string>

namespace tandemix {

// GetHintText in start-up's interface language.
std::u16string StartupHintText(int langIndex, const std::u16string& key);

// The message of a start-up step that cannot go on (the registry or the
// plug-in folder is out of reach), then the request to end the program.
void ReportMustRunAsAdmin(int langIndex);

}  // namespace tandemix
