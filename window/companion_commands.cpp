#include "window/companion_commands.h"

#include "messenger/messenger_paths.h"

namespace tandemix {

std::string QuotedProgramPath(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

std::string HostprepCommandLine(const std::string& programFolder, const std::string& title) {
  return QuotedProgramPath(programFolder + "Hostprep.exe") + " " + title;
}

std::string MessengerCommandLine(const std::string& messengerDir) {
  return QuotedProgramPath(messengerDir + kMessengerExeName);
}

std::string UpdaterParameters(uint32_t processId) {
  return "-pid " + std::to_string(processId) + " -language English";
}

}  // namespace tandemix
