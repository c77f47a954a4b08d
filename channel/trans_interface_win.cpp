#include "channel/trans_interface_win.h"

namespace tandemix {

HMODULE GlossatorHandle = nullptr;
FARPROC SendTranslate = nullptr;
FARPROC ReceiveTranslate = nullptr;
FARPROC SetTransHostName = nullptr;

void LoadGlossator() {
  // A library planted in whatever folder Tandemix is started from must not be
  // loaded: only the program's folder and the system's are searched. A damaged
  // library fails quietly, without the loader's error box.
  const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  GlossatorHandle = LoadLibraryExA(
      "Glossator.dll", nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetErrorMode(errorMode);
  if (!GlossatorHandle) return;
  SendTranslate = GetProcAddress(GlossatorHandle, "SendTranslate");
  ReceiveTranslate = GetProcAddress(GlossatorHandle, "ReceiveTranslate");
  SetTransHostName = GetProcAddress(GlossatorHandle, "SetTransHostName");
}

void FreeGlossator() {
  if (!GlossatorHandle) return;
  FreeLibrary(GlossatorHandle);
  GlossatorHandle = nullptr;
  SendTranslate = ReceiveTranslate = SetTransHostName = nullptr;
}

}  // namespace tandemix
