#pragma once

#include "settings/error.h"

#include <optional>
#include <string>
#include <string_view>

namespace tandemix {

// File names are UTF-16 text, as the program's other text; a folder's name
// ends with its separator, so a file in it is the folder's name and its own.

// The whole file; nothing when there is no such file. Throws Error naming the
// file when it is there but cannot be read, or a read fails partway, so a save
// never replaces a file it has not seen whole.
std::optional<std::string> ReadFileBytes(const std::u16string& file);

// Writes the new file beside the old one and puts it in place in one step: a
// crash or a full disk never leaves a truncated file. Throws Error naming the
// file; the old file is then as it was.
void WriteFileAtomic(const std::u16string& file, std::string_view bytes);

// Something, a file or a folder, has that name; also when it cannot be
// looked at, so that nothing unseen is replaced.
bool PathExists(const std::u16string& file);

// The errors a failed read or write raises; they name the file.
Error CannotReadError(const std::u16string& file);
Error CannotWriteError(const std::u16string& file);

}  // namespace tandemix
