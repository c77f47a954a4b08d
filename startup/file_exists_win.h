#pragma once

// Existence tests on paths: ANSI where the contract is ANSI (the locator and
// the deployment), UTF-16 for the files beside the program.

#include <string>

namespace tandemix {

// A folder, not a file, is there.
bool FolderExists(const std::string& path);
// A file, not a folder, is there.
bool FileExists(const std::string& path);
bool FileExists(const std::u16string& path);

}  // namespace tandemix
