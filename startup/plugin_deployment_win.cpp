#include "startup/plugin_deployment_win.h"

#include <windows.h>

#include <exception>

#include "settings/program_folder.h"
#include "startup/edition_profile.h"
#include "startup/file_exists_win.h"
#include "startup/messenger_paths.h"
#include "startup/startup_texts_win.h"

namespace tandemix {
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
    ReportMustRunAsAdmin();
    return false;
  }
}

}  // namespace tandemix
