#pragma once

// Command lines of the programs Tandemix starts, as ANSI text.

#include <cstdint>
#include <string>

namespace tandemix {

// A program path with a blank is quoted, or the system would try the text up
// to the blank first ("C:\Program.exe" for "C:\Program Files\...").
std::string QuotedProgramPath(const std::string& path);

std::string HostprepCommandLine(const std::string& programFolder, const std::string& title);
std::string MessengerCommandLine(const std::string& messengerDir);
std::string UpdaterParameters(uint32_t processId);

}  // namespace tandemix
