#pragma once

#include <string>

namespace tandemix {

// The Messenger client's folder with a trailing backslash, or empty. Throws
// Error when the client's uninstall entry cannot be read.
std::string FindMessengerDir();

}  // namespace tandemix
