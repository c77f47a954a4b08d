#pragma once

// uCommFunc: the version shown on the About page.

#include <string>

namespace tandemix {

// The full version cut before its third dot ("4.1.1.0" gives "4.1.1");
// empty when it has fewer than three dots.
std::string CutVersionText(const std::string& fullVersion);

// The running executable's fixed file version as "a.b.c.d"; empty without a
// version resource, "-1" when reading it fails.
std::string OwnFileVersion();

}  // namespace tandemix
