#pragma once

// Existence tests on ANSI paths, as the locator and the deployment need them.

#include <string>

namespace tandemix {

// A folder, not a file, is there.
bool FolderExists(const std::string& path);
// A file, not a folder, is there.
bool FileExists(const std::string& path);

}  // namespace tandemix
