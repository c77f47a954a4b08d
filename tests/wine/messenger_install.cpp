#include "tests/wine/messenger_install.h"

#include <stdexcept>

#include "platform/owned_handles_win.h"

namespace tandemix::test {
namespace {

namespace fs = std::filesystem;

// Written out here, not taken from the program: where it looks is a contract.
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Yahoo! Messenger";
constexpr const char* kCandidateFolders[] = {
    "C:\\Program Files\\Yahoo!\\Messenger\\",       "C:\\Program Files (x86)\\Yahoo!\\Messenger\\",
    "C:\\Program Files (x64)\\Yahoo!\\Messenger\\", "D:\\Program Files\\Yahoo!\\Messenger\\",
    "D:\\Program Files (x86)\\Yahoo!\\Messenger\\", "D:\\Program Files (x64)\\Yahoo!\\Messenger\\",
};

void DeleteUninstallEntry() {
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY, 0);
}

}  // namespace

fs::path SecondCandidateFolder() { return L"C:\\Program Files (x86)\\Yahoo!\\Messenger"; }

std::string ClearMessengerInstall() {
  std::error_code ignored;
  fs::remove_all(SecondCandidateFolder().parent_path(), ignored);
  DeleteUninstallEntry();
  std::string found;
  for (const char* candidate : kCandidateFolders) {
    const DWORD attributes = GetFileAttributesA(candidate);
    if (attributes != INVALID_FILE_ATTRIBUTES) found += std::string(candidate) + " exists; ";
  }
  return found;
}

ScopedCandidateFolder::ScopedCandidateFolder() : path_(SecondCandidateFolder()) {
  fs::create_directories(path_);
}

ScopedCandidateFolder::~ScopedCandidateFolder() {
  std::error_code ignored;
  fs::remove_all(path_.parent_path(), ignored);
}

void SetUninstallString(DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0,
                      KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create the uninstall entry");
  }
  const RegistryKey owned(key);
  if (RegSetValueExA(key, "UninstallString", 0, type, static_cast<const BYTE*>(data), size) !=
      ERROR_SUCCESS) {
    throw std::runtime_error("cannot write the uninstall entry");
  }
}

ScopedUninstallEntry::ScopedUninstallEntry(const std::string& uninstallString, DWORD textType) {
  SetUninstallString(textType, uninstallString.c_str(),
                     static_cast<DWORD>(uninstallString.size() + 1));
}

ScopedUninstallEntry::ScopedUninstallEntry(DWORD notText) {
  SetUninstallString(REG_DWORD, &notText, sizeof notText);
}

ScopedUninstallEntry::~ScopedUninstallEntry() { DeleteUninstallEntry(); }

}  // namespace tandemix::test
