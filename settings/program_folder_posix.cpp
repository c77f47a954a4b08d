#include "settings/program_folder.h"

namespace tandemix {

std::filesystem::path ModulePath() { return std::filesystem::read_symlink("/proc/self/exe"); }

}  // namespace tandemix
