#include "channel/trans_interface_win.h"

namespace tandemix {

Glossator::Glossator() {
  // A library planted in whatever folder Tandemix is started from must not be
  // loaded: only the program's folder and the system's are searched. A damaged
  // library fails quietly, without the loader's error box.
  const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  GlossatorHandle.reset(
      LoadLibraryExA("Glossator.dll", nullptr,
                     LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32));
  SetErrorMode(errorMode);
  if (!GlossatorHandle) return;
  SendTranslate = GetProcAddress(GlossatorHandle.get(), "SendTranslate");
  ReceiveTranslate = GetProcAddress(GlossatorHandle.get(), "ReceiveTranslate");
  SetTransHostName = GetProcAddress(GlossatorHandle.get(), "SetTransHostName");
}

}  // namespace tandemix
