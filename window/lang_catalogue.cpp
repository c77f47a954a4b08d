#include "window/lang_catalogue.h"

#include "settings/ini_file.h"

namespace tandemix {

std::filesystem::path CatalogueFileName(int langIndex) {
  return langIndex == 0 ? "LangsCN.ini" : "LangsEn.ini";
}

std::vector<std::u16string> LoadLanguageNames(const std::filesystem::path& programFolder,
                                              int langIndex) {
  const std::filesystem::path file = programFolder / CatalogueFileName(langIndex);
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
