#pragma once

// Where the Messenger client lies, and where its plug-in goes: the decisions
// of the locator and the deployment, on plain ANSI path text.

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tandemix {

inline constexpr char kMessengerExeName[] = "YahooMessenger.exe";
inline constexpr char kMessengerUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Yahoo! Messenger";

// The folders tried first, in order, each as it is returned.
const std::array<const char*, 6>& MessengerCandidateFolders();

// Everything up to and including the last backslash or colon; empty without one.
std::string FolderPart(const std::string& path);
// What follows the last backslash or colon.
std::string FileNamePart(const std::string& path);

// The client's folder from its "UninstallString": cut at a "/U" (as written),
// trimmed of blanks and control characters, then its folder part.
std::string MessengerDirFromUninstallString(const std::string& value);

// The executable a prompt answer names: the answer with "YahooMessenger.exe"
// after a backslash.
std::string MessengerExeOfAnswer(const std::string& answer);

// The answer made a folder the deployment can use: with a trailing backslash.
std::string WithTrailingBackslash(const std::string& folder);

struct PluginCopy {
  std::string source;
  std::string destination;
};

// The folders to create, top down, so that the plug-in folder and its
// MANIFEST folder exist; those already there are skipped by the caller.
std::vector<std::string> PluginFolders(const std::string& messengerDir);
// The four copies, in order.
std::vector<PluginCopy> PluginCopies(const std::string& programFolder,
                                     const std::string& messengerDir,
                                     const std::string& manifestSourceName);

}  // namespace tandemix
