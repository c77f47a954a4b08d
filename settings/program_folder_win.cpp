#include "settings/program_folder.h"

#include <windows.h>

#include <vector>

namespace tandemix {

std::u16string ModulePath() {
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    // A full buffer may hold a cut path: grow it and ask again.
    if (length < name.size()) return std::u16string(name.begin(), name.begin() + length);
    name.resize(name.size() * 2);
  }
}

std::u16string ProgramFolder() {
  // Cut here rather than with the shell's path helpers, whose library would
  // be loaded at every start for this one call.
  const std::u16string path = ModulePath();
  return path.substr(0, path.find_last_of(u"\\/") + 1);
}

}  // namespace tandemix
