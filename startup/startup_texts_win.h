#pragma once

#include <string>

#include "settings/global.h"

namespace tandemix {

// The settings object start-up reads the interface language from; null
// outside start-up.
extern TDataObject* StartupSettings;

// GetHintText in start-up's interface language.
std::u16string StartupHintText(const std::u16string& key);

// The message of a start-up step that cannot go on (the registry or the
// plug-in folder is out of reach), then the request to end the program.
void ReportMustRunAsAdmin();

}  // namespace tandemix
