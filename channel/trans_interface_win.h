#pragma once

// uTransInterface: the translation engine library, loaded for the whole run
// so that its own start-up code runs; none of its entry points is called.

#include <windows.h>

#include "platform/owned_handles_win.h"

namespace tandemix {

class Glossator {
 public:
  // Loads Glossator.dll and looks up its entry points; nothing is reported
  // when it is missing or damaged.
  Glossator();
  Glossator(const Glossator&) = delete;
  Glossator& operator=(const Glossator&) = delete;

 private:
  OwnedModule GlossatorHandle;
  FARPROC SendTranslate = nullptr;
  FARPROC ReceiveTranslate = nullptr;
  FARPROC SetTransHostName = nullptr;
};

}  // namespace tandemix
