#pragma once

#include <string>

namespace tandemix {

// Copies the plug-in files into messengerDir (ending with a backslash).
// Copies that fail are not failures; false only after the unexpected, once
// it is reported in start-up's interface language and the program is ending.
bool DeployPlugin(const std::string& messengerDir, int langIndex);

}  // namespace tandemix
