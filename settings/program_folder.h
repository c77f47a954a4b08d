#pragma once

// Where the running program lies: every file it reads or ships is beside it.

#include <string>

namespace tandemix {

// The running program's full path, however long.
std::u16string ModulePath();

// The program's folder, with a trailing separator.
std::u16string ProgramFolder();
// The same in the ANSI code page, for the command lines and file calls whose
// contract is ANSI.
std::string ProgramFolderAnsi();
// The program's file name without its folder, in the ANSI code page.
std::string OwnExeFileName();

}  // namespace tandemix
