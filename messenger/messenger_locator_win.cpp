#include "messenger/messenger_locator_win.h"

#include <windows.h>

#include "messenger/messenger_paths.h"
#include "platform/file_exists_win.h"
#include "platform/owned_handles_win.h"
#include "settings/ansi_text.h"
#include "settings/error.h"

namespace tandemix {
namespace {

std::string MessengerDirFromRegistry() {
  HKEY opened = nullptr;
  // Reading needs no write access; the client registers in the 32-bit view.
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMessengerUninstallKey, 0, KEY_READ | KEY_WOW64_32KEY,
                    &opened) != ERROR_SUCCESS) {
    return {};
  }
  const RegistryKey key(opened);
  DWORD type = 0;
  DWORD size = 0;
  const LONG status =
      RegQueryValueExA(key.get(), "UninstallString", nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    throw Error("The Messenger uninstall entry cannot be read: UninstallString is not a text.");
  }
  std::string value(size, '\0');
  if (RegQueryValueExA(key.get(), "UninstallString", nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS) {
    throw Error("The Messenger uninstall entry cannot be read.");
  }
  value.resize(strnlen(value.c_str(), value.size()));
  return MessengerDirFromUninstallString(value);
}

}  // namespace

std::string FindMessengerDir() {
  for (const char* candidate : MessengerCandidateFolders()) {
    if (FolderExists(AnsiToUtf16(candidate))) return candidate;
  }
  return MessengerDirFromRegistry();
}

}  // namespace tandemix
