#pragma once

// Where the Messenger client lies, and where its plug-in goes: the decisions
// of the locator and the deployment, on plain ANSI path text.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "settings/ansi_text.h"

namespace tandemix {

inline constexpr char kMessengerExeName[] = "YahooMessenger.exe";
inline constexpr char kMessengerUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Yahoo! Messenger";

// The folders tried first, in order, each as it is returned.
const std::array<const char*, 6>& MessengerCandidateFolders();

// Paths are ANSI text: they are scanned by character, so that the second
// byte of a double-byte character (which may be 0x5C, a backslash) is never
// taken for a separator. isLeadByte tells the code page's lead bytes.

// Everything up to and including the last backslash or colon; empty without one.
std::string FolderPart(const std::string& path, LeadBytePredicate isLeadByte = IsAnsiLeadByte);
// What follows the last backslash or colon.
std::string FileNamePart(const std::string& path, LeadBytePredicate isLeadByte = IsAnsiLeadByte);

// The client's folder from its "UninstallString": cut at a "/U" (as written),
// trimmed of blanks and control characters, then its folder part.
std::string MessengerDirFromUninstallString(const std::string& value,
                                            LeadBytePredicate isLeadByte = IsAnsiLeadByte);

// The executable a prompt answer names: the answer with "YahooMessenger.exe"
// after a backslash.
std::string MessengerExeOfAnswer(const std::string& answer,
                                 LeadBytePredicate isLeadByte = IsAnsiLeadByte);

// The answer made a folder the deployment can use: with a trailing backslash.
std::string WithTrailingBackslash(const std::string& folder,
                                  LeadBytePredicate isLeadByte = IsAnsiLeadByte);

struct PluginCopy {
  std::string source;
  std::string destination;
};

// The folders to create, top down, so that the plug-in folder and its
// MANIFEST folder exist; those already there are skipped by the caller.
std::vector<std::string> PluginFolders(const std::string& messengerDir,
                                       LeadBytePredicate isLeadByte = IsAnsiLeadByte);
// The four copies, in order.
std::vector<PluginCopy> PluginCopies(const std::string& programFolder,
                                     const std::string& messengerDir,
                                     const std::string& manifestSourceName);

}  // namespace tandemix
