#pragma once

// Start-up's way to the Messenger client's folder: found, or asked for, with
// the messages in start-up's interface language.

#include <string>

namespace tandemix {

// FindMessengerDir; a registry failure is reported and ends the program
// (empty then).
std::string FindMessengerDirOrReport(int langIndex);

// Asks until the answer names a folder holding the client; empty when the
// user gives up. The answer comes back as typed.
std::string AskMessengerDir(int langIndex);

}  // namespace tandemix
