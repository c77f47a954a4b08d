#include "startup/plugin_deployment_win.h"

#include <windows.h>

#include <exception>

#include "startup/application_win.h"
#include "startup/edition_profile.h"
#include "startup/messenger_paths.h"
#include "startup/startup_texts_win.h"

namespace tandemix {
namespace {

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool DeployPlugin(const std::string& messengerDir) {
  try {
    for (const std::string& folder : PluginFolders(messengerDir)) {
      if (FolderExists(folder)) continue;
      if (!CreateDirectoryA(folder.c_str(), nullptr)) break;  // the copies fail quietly then
    }
    for (const PluginCopy& copy :
         PluginCopies(ProgramFolderAnsi(), messengerDir, Edition().ManifestSourceName)) {
      CopyFileA(copy.source.c_str(), copy.destination.c_str(), FALSE);
    }
    return true;
  } catch (const std::exception&) {
    const std::u16string text = StartupHintText(u"MUST_RUNAS_ADMIN");
    const std::u16string caption = StartupHintText(u"HINT_CAPTION");
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                reinterpret_cast<const wchar_t*>(caption.c_str()), MB_OK | MB_ICONINFORMATION);
    Application::Instance().Terminate();
    return false;
  }
}

}  // namespace tandemix
