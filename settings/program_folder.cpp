#include "settings/program_folder.h"

#include "settings/ansi_text.h"

namespace tandemix {

std::string ProgramFolderAnsi() { return Utf16ToAnsi(ProgramFolder()); }

std::string OwnExeFileName() { return Utf16ToAnsi(ModulePath().substr(ProgramFolder().size())); }

}  // namespace tandemix
