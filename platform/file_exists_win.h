#pragma once

// Existence tests on paths. ANSI paths (the locator's, the deployment's) are
// converted by their callers.

#include <string>

namespace tandemix {

// A folder, not a file, is there.
bool FolderExists(const std::u16string& path);
// A file, not a folder, is there.
bool FileExists(const std::u16string& path);

}  // namespace tandemix
