#include "startup/messenger_locator_win.h"

#include <windows.h>

#include "platform/owned_handles_win.h"
#include "settings/ansi_text.h"
#include "settings/error.h"
#include "startup/file_exists_win.h"
#include "startup/input_box_win.h"
#include "startup/messenger_paths.h"
#include "startup/startup_texts_win.h"

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

std::string FindMessengerDir(bool reportFailure) {
  for (const char* candidate : MessengerCandidateFolders()) {
    if (FolderExists(candidate)) return candidate;
  }
  try {
    return MessengerDirFromRegistry();
  } catch (const Error&) {
    if (!reportFailure) throw;
    ReportMustRunAsAdmin();
    return {};
  }
}

std::string AskMessengerDir() {
  for (;;) {
    const std::string prompt = Utf16ToAnsi(StartupHintText(u"YAHOOMESSENGER_NOT_INSTALL"));
    const std::string caption = Utf16ToAnsi(StartupHintText(u"HINT_CAPTION"));
    const std::string answer = InputBox(caption, prompt);
    if (answer.empty()) return {};
    if (FileExists(MessengerExeOfAnswer(answer))) return answer;
  }
}

}  // namespace tandemix
