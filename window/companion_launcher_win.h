#pragma once

#include <windows.h>

namespace tandemix {

// At Start: Hostprep always, hidden; the Messenger client when its main
// window is not there. A registry failure while finding the client is thrown.
void StartCompanions();

// The updater, through the shell, with this process's id.
void LaunchUpdater(HWND owner);

}  // namespace tandemix
