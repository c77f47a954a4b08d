#include "window/lang_catalogue.h"

#include "settings/ini_file.h"

namespace tandemix {

std::u16string CatalogueFileName(int langIndex) {
  return langIndex == 0 ? u"LangsCN.ini" : u"LangsEn.ini";
}

std::vector<std::u16string> LoadLanguageNames(const std::u16string& programFolder, int langIndex) {
  const std::u16string file = programFolder + CatalogueFileName(langIndex);
  CreateUnicodeIniFileIfMissing(file);
  const IniFile catalogue = IniFile::Load(file);
  std::vector<std::u16string> names;
  for (const std::u16string& key : catalogue.KeyNames(u"List")) {
    const std::u16string value = catalogue.Value(u"List", key).value_or(u"");
    const size_t colon = value.find(u':');
    names.push_back(colon == value.npos ? u"" : value.substr(0, colon));
  }
  return names;
}

int SelectionIndex(int savedIndex, size_t count) {
  return savedIndex >= 0 && static_cast<size_t>(savedIndex) < count ? savedIndex : -1;
}

}  // namespace tandemix
