#include "window/hint_text.h"

#include "settings/ini_file.h"

namespace tandemix {

std::filesystem::path HintFileName(int langIndex) { return langIndex == 0 ? "CHS.ini" : "ENU.ini"; }

std::u16string GetHintText(const std::filesystem::path& programFolder, int langIndex,
                           std::u16string_view key) {
  const std::filesystem::path file = programFolder / HintFileName(langIndex);
  CreateUnicodeIniFileIfMissing(file);
  return IniFile::Load(file).Value(u"Hint", key).value_or(u"");
}

}  // namespace tandemix
