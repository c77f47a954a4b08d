#pragma once

// uTransInterface: the translation engine library, loaded for the whole run
// so that its own start-up code runs; none of its entry points is called.

#include <windows.h>

namespace tandemix {

extern HMODULE GlossatorHandle;
extern FARPROC SendTranslate;
extern FARPROC ReceiveTranslate;
extern FARPROC SetTransHostName;

void LoadGlossator();
void FreeGlossator();

}  // namespace tandemix
