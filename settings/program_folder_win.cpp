#include "settings/program_folder.h"

#include <windows.h>

#include <vector>

namespace tandemix {

std::filesystem::path ModulePath() {
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    // A full buffer may hold a cut path: grow it and ask again.
    if (length < name.size()) return std::wstring(name.data(), length);
    name.resize(name.size() * 2);
  }
}

}  // namespace tandemix
