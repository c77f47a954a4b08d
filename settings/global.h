#pragma once

// uGlobal: the settings the program keeps in ConfigEN.ini, section "Option".

#include <cstdint>
#include <string>

namespace tandemix {

// The cipher key of the stored translation host; only its first 8 bytes count.
inline constexpr char SettingsKeyText[] = "vestiran4718";
inline constexpr char DefaultTranslationHost[] = "translate.googleapis.com";

class TDataObject {
 public:
  // ConfigEN.ini beside the program, loaded.
  TDataObject();
  // The given settings file, loaded.
  explicit TDataObject(std::u16string iniFileName);

  // A missing file or an unreadable value gives the default; the file is
  // never created or changed. A file that is there but cannot be read gives
  // the defaults too, and sets LoadFailed.
  void LoadFromFile();
  // Writes the seven keys into the file in one replace of the whole file,
  // keeping all else in it; throws Error naming the file. After a failed load
  // it writes nothing: the defaults would replace the values the file holds.
  void SaveToFile() const;

  std::u16string IniFileName;
  int32_t TimeOut = 0;
  int32_t TranslateMode = 0;
  int32_t SendMessageMode = 0;
  std::string TransMothed;  // the translation host in clear text, ANSI
  int32_t SendIndex = 0;
  int32_t RecvIndex = 0;
  int32_t LangIndex = 0;
  bool LoadFailed = false;  // the last load found the file but could not read it
};

}  // namespace tandemix
