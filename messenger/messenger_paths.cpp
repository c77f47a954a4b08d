#include "messenger/messenger_paths.h"

namespace tandemix {
namespace {

constexpr char kPluginSubfolder[] = "Plugin\\Test\\SidePanel\\test.yplugin\\";

// The positions of the single-byte characters that are one of separators.
std::vector<size_t> SeparatorPositions(std::string_view path, std::string_view separators,
                                       LeadBytePredicate isLeadByte) {
  std::vector<size_t> found;
  for (size_t at = 0; at < path.size(); ++at) {
    const auto byte = static_cast<unsigned char>(path[at]);
    if (isLeadByte(byte)) {
      ++at;  // its second byte is part of the same character
    } else if (separators.find(path[at]) != std::string_view::npos) {
      found.push_back(at);
    }
  }
  return found;
}

size_t LastSeparator(std::string_view path, LeadBytePredicate isLeadByte) {
  const std::vector<size_t> found = SeparatorPositions(path, "\\:", isLeadByte);
  return found.empty() ? std::string::npos : found.back();
}

// The part of a path before the separator at ends[part].
std::string_view Part(std::string_view path, const std::vector<size_t>& ends, size_t part) {
  if (part >= ends.size()) return {};
  const size_t begin = part == 0 ? 0 : ends[part - 1] + 1;
  return path.substr(begin, ends[part] - begin);
}

bool IsUncWord(std::string_view part) {
  return part.size() == 3 && (part[0] | 0x20) == 'u' && (part[1] | 0x20) == 'n' &&
         (part[2] | 0x20) == 'c';
}

// How many leading parts name the path's root, which exists or cannot be made:
// "C:", "\\server\share", "\\?\C:", "\\?\UNC\server\share" (or "\\." for "\\?"), or
// the empty part before a leading backslash. A relative path has none.
size_t RootParts(std::string_view path, const std::vector<size_t>& ends) {
  if (path.starts_with("\\\\")) {
    const std::string_view prefix = Part(path, ends, 2);
    if (prefix != "?" && prefix != ".") return 4;   // "", "", server, share
    return IsUncWord(Part(path, ends, 3)) ? 6 : 4;  // "", "", "?", "UNC", server, share
  }
  const std::string_view first = Part(path, ends, 0);
  return first.empty() || first.back() == ':' ? 1 : 0;
}

}  // namespace

const std::array<const char*, 6>& MessengerCandidateFolders() {
  static const std::array<const char*, 6> folders = {
      "C:\\Program Files\\Yahoo!\\Messenger\\",
      "C:\\Program Files (x86)\\Yahoo!\\Messenger\\",
      "C:\\Program Files (x64)\\Yahoo!\\Messenger\\",
      "D:\\Program Files\\Yahoo!\\Messenger\\",
      "D:\\Program Files (x86)\\Yahoo!\\Messenger\\",
      "D:\\Program Files (x64)\\Yahoo!\\Messenger\\"};
  return folders;
}

std::string FolderPart(const std::string& path, LeadBytePredicate isLeadByte) {
  const size_t last = LastSeparator(path, isLeadByte);
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FileNamePart(const std::string& path, LeadBytePredicate isLeadByte) {
  const size_t last = LastSeparator(path, isLeadByte);
  return last == std::string::npos ? path : path.substr(last + 1);
}

std::string MessengerDirFromUninstallString(const std::string& value,
                                            LeadBytePredicate isLeadByte) {
  std::string result = value;
  const size_t marker = result.find("/U");
  if (marker != std::string::npos) {
    result.erase(marker);
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    size_t begin = 0;
    while (begin < result.size() && blank(result[begin])) ++begin;
    size_t end = result.size();
    while (end > begin && blank(result[end - 1])) --end;
    result = result.substr(begin, end - begin);
  }
  return FolderPart(result, isLeadByte);
}

std::string MessengerExeOfAnswer(const std::string& answer, LeadBytePredicate isLeadByte) {
  return WithTrailingBackslash(answer, isLeadByte) + kMessengerExeName;
}

std::string WithTrailingBackslash(const std::string& folder, LeadBytePredicate isLeadByte) {
  const std::vector<size_t> found = SeparatorPositions(folder, "\\", isLeadByte);
  const bool endsWithOne = !found.empty() && found.back() + 1 == folder.size();
  return endsWithOne ? folder : folder + "\\";
}

std::vector<std::string> PluginFolders(const std::string& messengerDir,
                                       LeadBytePredicate isLeadByte) {
  const std::string manifestFolder = messengerDir + kPluginSubfolder + "MANIFEST\\";
  const std::vector<size_t> ends = SeparatorPositions(manifestFolder, "\\", isLeadByte);
  const size_t rootParts = RootParts(manifestFolder, ends);
  std::vector<std::string> folders;
  // Every prefix that ends before a backslash, below the root.
  for (size_t part = rootParts; part < ends.size(); ++part) {
    folders.push_back(manifestFolder.substr(0, ends[part]));
  }
  return folders;
}

std::vector<PluginCopy> PluginCopies(const std::string& programFolder,
                                     const std::string& messengerDir,
                                     const std::string& manifestSourceName) {
  const std::string pluginDir = messengerDir + kPluginSubfolder;
  return {
      {programFolder + "Sidecard.html", pluginDir + "Sidecard.html"},
      {programFolder + "Sidecard.ocx", pluginDir + "Sidecard.ocx"},
      {programFolder + "Control.js", pluginDir + "Control.js"},
      {programFolder + manifestSourceName, pluginDir + "MANIFEST\\plugin.properties"},
  };
}

}  // namespace tandemix
