#include "startup/messenger_locator_win.h"

#include <windows.h>

#include "settings/ansi_text.h"
#include "settings/error.h"
#include "startup/application_win.h"
#include "startup/input_box_win.h"
#include "startup/messenger_paths.h"
#include "startup/startup_texts_win.h"

namespace tandemix {
namespace {

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
      error == ERROR_INVALID_NAME) {
    return false;
  }
  // Locked or hidden from attribute reads: a directory search still sees it.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct RegistryKey {
  HKEY handle = nullptr;
  ~RegistryKey() {
    if (handle) RegCloseKey(handle);
  }
};

std::string MessengerDirFromRegistry() {
  RegistryKey key;
  // Reading needs no write access; the client registers in the 32-bit view.
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMessengerUninstallKey, 0, KEY_READ | KEY_WOW64_32KEY,
                    &key.handle) != ERROR_SUCCESS) {
    return {};
  }
  DWORD type = 0;
  DWORD size = 0;
  const LONG status =
      RegQueryValueExA(key.handle, "UninstallString", nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    throw Error("The Messenger uninstall entry cannot be read: UninstallString is not a text.");
  }
  std::string value(size, '\0');
  if (RegQueryValueExA(key.handle, "UninstallString", nullptr, &type,
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
    const std::u16string text = StartupHintText(u"MUST_RUNAS_ADMIN");
    const std::u16string caption = StartupHintText(u"HINT_CAPTION");
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                reinterpret_cast<const wchar_t*>(caption.c_str()), MB_OK | MB_ICONINFORMATION);
    Application::Instance().Terminate();
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
