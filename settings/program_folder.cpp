#include "settings/program_folder.h"

#include "settings/ansi_text.h"

namespace tandemix {

std::filesystem::path ProgramFolder() { return ModulePath().parent_path() / ""; }

std::string ProgramFolderAnsi() { return Utf16ToAnsi(ProgramFolder().u16string()); }

std::string OwnExeFileName() { return Utf16ToAnsi(ModulePath().filename().u16string()); }

}  // namespace tandemix
