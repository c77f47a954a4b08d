#include "application/hint_text.h"

#include "settings/ini_file.h"

namespace tandemix {

std::u16string HintFileName(int langIndex) { return langIndex == 0 ? u"CHS.ini" : u"ENU.ini"; }

std::u16string GetHintText(const std::u16string& programFolder, int langIndex,
                           std::u16string_view key) {
  const std::u16string file = programFolder + HintFileName(langIndex);
  CreateUnicodeIniFileIfMissing(file);
  return IniFile::Load(file).Value(u"Hint", key).value_or(u"");
}

}  // namespace tandemix
