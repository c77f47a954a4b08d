#pragma once

#include <string>

namespace tandemix {

// The Messenger client's folder with a trailing backslash, or empty. A
// registry failure is reported and ends the program when reportFailure is
// set; otherwise it is thrown to the caller.
std::string FindMessengerDir(bool reportFailure);

// Asks until the answer names a folder holding the client; empty when the
// user gives up. The answer comes back as typed.
std::string AskMessengerDir();

}  // namespace tandemix
