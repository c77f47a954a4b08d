#include "channel/trans_interface_win.h"

#include "platform/wide_win.h"
#include "settings/program_folder.h"

namespace tandemix {

Glossator::Glossator() {
  // A library planted in the folder Tandemix is started from must not be
  // loaded; the rest of the standard search order (system and Windows
  // folders, PATH) stays. For this one load the program's own folder takes the
  // current folder's place (Wine ignores the empty folder that does this on
  // Windows); the default order is back after it, so nothing else in the
  // process, nor the programs it starts, searches differently. A damaged
  // library fails quietly, without the loader's error box.
  if (!SetDllDirectoryW(Wide(ProgramFolder()))) return;
  const UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  GlossatorHandle.reset(LoadLibraryW(L"Glossator.dll"));
  SetErrorMode(errorMode);
  SetDllDirectoryW(nullptr);
  if (!GlossatorHandle) return;
  SendTranslate = GetProcAddress(GlossatorHandle.get(), "SendTranslate");
  ReceiveTranslate = GetProcAddress(GlossatorHandle.get(), "ReceiveTranslate");
  SetTransHostName = GetProcAddress(GlossatorHandle.get(), "SetTransHostName");
}

}  // namespace tandemix
