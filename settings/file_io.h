#pragma once

#include "settings/error.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tandemix {

// The whole file; nothing when there is no such file. Throws Error naming the
// file when it is there but cannot be read, or a read fails partway, so a save
// never replaces a file it has not seen whole.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// Writes the new file beside the old one and puts it in place in one step: a
// crash or a full disk never leaves a truncated file. Throws Error naming the
// file; the old file is then as it was.
void WriteFileAtomic(const std::filesystem::path& file, std::string_view bytes);

// The errors a failed read or write raises; they name the file.
Error CannotReadError(const std::filesystem::path& file);
Error CannotWriteError(const std::filesystem::path& file);

}  // namespace tandemix
