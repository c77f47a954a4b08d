#include "settings/program_folder.h"

#include <unistd.h>

#include <climits>

#include "settings/utf8_text.h"

namespace tandemix {

std::u16string ModulePath() {
  char name[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", name, sizeof name);
  return Utf8ToUtf16(std::string_view(name, length > 0 ? size_t(length) : 0));
}

std::u16string ProgramFolder() {
  const std::u16string path = ModulePath();
  return path.substr(0, path.rfind(u'/') + 1);
}

}  // namespace tandemix
