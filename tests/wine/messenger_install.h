#pragma once

// The Messenger client as Tandemix looks for it (the fixed candidate folders,
// the uninstall entry in the registry), set up by a test and removed after it.

#include <windows.h>

#include <filesystem>
#include <string>

namespace tandemix::test {

// The second candidate folder, "C:\Program Files (x86)\Yahoo!\Messenger".
std::filesystem::path SecondCandidateFolder();

// Removes what these tests create (the second candidate's "Yahoo!" folder and
// the uninstall entry), which a killed run may have left behind; then returns
// what would still make Tandemix find a client, empty when nothing does.
std::string ClearMessengerInstall();

// Creates the second candidate folder; removes its "Yahoo!" folder when dropped.
class ScopedCandidateFolder {
 public:
  ScopedCandidateFolder();
  ~ScopedCandidateFolder();
  ScopedCandidateFolder(const ScopedCandidateFolder&) = delete;
  ScopedCandidateFolder& operator=(const ScopedCandidateFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The client's uninstall entry in the 32-bit registry view, with this
// "UninstallString" (REG_SZ or REG_EXPAND_SZ); deleted when dropped. Throws
// when the entry cannot be written.
class ScopedUninstallEntry {
 public:
  explicit ScopedUninstallEntry(const std::string& uninstallString, DWORD textType = REG_SZ);
  // A damaged entry: "UninstallString" holds a number.
  explicit ScopedUninstallEntry(DWORD notText);
  ~ScopedUninstallEntry();
  ScopedUninstallEntry(const ScopedUninstallEntry&) = delete;
  ScopedUninstallEntry& operator=(const ScopedUninstallEntry&) = delete;
};

}  // namespace tandemix::test
