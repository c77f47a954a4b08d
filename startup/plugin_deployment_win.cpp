#include "startup/plugin_deployment_win.h"

#include <windows.h>

#include <exception>

#include "application/edition_profile.h"
#include "messenger/messenger_paths.h"
#include "platform/file_exists_win.h"
#include "settings/ansi_text.h"
#include "settings/program_folder.h"
#include "startup/startup_texts_win.h"

namespace tandemix {
bool DeployPlugin(const std::string& messengerDir, int langIndex) {
  try {
    for (const std::string& folder : PluginFolders(messengerDir)) {
      if (FolderExists(AnsiToUtf16(folder))) continue;
      if (!CreateDirectoryA(folder.c_str(), nullptr)) break;  // the copies fail quietly then
    }
    for (const PluginCopy& copy :
         PluginCopies(ProgramFolderAnsi(), messengerDir, Edition().ManifestSourceName)) {
      CopyFileA(copy.source.c_str(), copy.destination.c_str(), FALSE);
    }
    return true;
  } catch (const std::exception&) {
    ReportMustRunAsAdmin(langIndex);
    return false;
  }
}

}  // namespace tandemix
