#pragma once

#include <string>

#include "settings/global.h"

namespace tandemix {

// The settings object start-up reads the interface language from; null
// outside start-up.
extern TDataObject* StartupSettings;

// GetHintText in start-up's interface language.
std::u16string StartupHintText(const std::u16string& key);

}  // namespace tandemix
