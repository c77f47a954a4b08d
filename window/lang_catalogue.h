#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tandemix {

// The language pair catalogue of an interface language: 0 Chinese
// (LangsCN.ini), 1 and any other index English (LangsEn.ini).
std::u16string CatalogueFileName(int langIndex);

// The names of the catalogue's languages in the order of section [List]: each
// value's text before its first ":" ("English:en" is English), empty for a
// value without one. A missing file is created at once as an empty UTF-16 ini
// file; throws Error when that fails.
std::vector<std::u16string> LoadLanguageNames(const std::u16string& programFolder, int langIndex);

// The list position a saved index selects; -1, a combo box's "no selection",
// when it lies outside the list.
int SelectionIndex(int savedIndex, size_t count);

}  // namespace tandemix
