#include "settings/program_folder.h"

#include <windows.h>
#include <shlwapi.h>

#include <vector>

#include "platform/wide_win.h"

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
  const std::u16string path = ModulePath();
  return path.substr(0, PathFindFileNameW(Wide(path)) - Wide(path));
}

}  // namespace tandemix
