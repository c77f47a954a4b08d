#pragma once

#include <string>

#include "window/form_controls_win.h"

namespace tandemix {

// Sets the control window's texts and fonts from the interface-language file
// of langIndex (CHS.txt, ENU.txt). A missing file, or another index, leaves
// the stored texts.
void ApplyInterfaceLanguage(FormControls& controls, HWND form, const std::u16string& programFolder,
                            int langIndex);

}  // namespace tandemix
