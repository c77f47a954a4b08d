#pragma once

#include "settings/error.h"

#include <optional>
#include <string>
#include <string_view>

namespace tandemix {

// File names are UTF-16 text, as the program's other text; a folder's name
// ends with its separator, so a file in it is the folder's name and its own.

// How a read of a whole file ended. Unreadable is a file that is there (or
// may be: a folder of that name, a file held without sharing) but could not
// be read whole, also when a read failed partway.
enum class ReadResult { Read, Missing, Unreadable };

struct FileRead {
  ReadResult result = ReadResult::Missing;
  std::string bytes;  // the whole file when Read, else empty
};

// Never throws: the caller decides what an unreadable file means.
FileRead ReadWholeFile(const std::u16string& file);

// The whole file; nothing when there is no such file. Throws Error naming the
// file when it is unreadable, so a save never replaces a file it has not seen
// whole.
std::optional<std::string> ReadFileBytes(const std::u16string& file);

// Writes the new file beside the old one and puts it in place in one step
// (file + ".tmp" + the process id, then a replace that keeps the old file's
// attributes and permissions): a crash or a full disk never leaves a truncated
// file. Where no new file can be made beside it (a folder that lets only this
// file be written, something standing in the new file's place) the file is
// rewritten where it lies instead. Throws Error naming the file; a file marked
// read-only is never written.
void WriteFileAtomic(const std::u16string& file, std::string_view bytes);

// Something, a file or a folder, has that name; also when it cannot be
// looked at, so that nothing unseen is replaced.
bool PathExists(const std::u16string& file);

// The errors a failed read or write raises; they name the file.
Error CannotReadError(const std::u16string& file);
Error CannotWriteError(const std::u16string& file);

}  // namespace tandemix
