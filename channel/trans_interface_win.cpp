#include "channel/trans_interface_win.h"

namespace tandemix {

HMODULE GlossatorHandle = nullptr;
FARPROC SendTranslate = nullptr;
FARPROC ReceiveTranslate = nullptr;
FARPROC SetTransHostName = nullptr;

void LoadGlossator() {
  GlossatorHandle = LoadLibraryA("Glossator.dll");
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
