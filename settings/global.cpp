#include "settings/global.h"

#include "settings/ansi_text.h"
#include "settings/cn_des.h"
#include "settings/error.h"
#include "settings/file_io.h"
#include "settings/program_folder.h"
#include "settings/ini_file.h"
#include "settings/str_to_int_def.h"

#include <string_view>
#include <utility>

namespace tandemix {

namespace {

constexpr std::u16string_view kSection = u"Option";

int32_t ReadInteger(const IniFile& ini, std::u16string_view key, int32_t defaultValue) {
  return StrToIntDef(Utf16ToAnsi(ini.Value(kSection, key).value_or(u"")), defaultValue);
}

std::string ReadTranslationHost(const IniFile& ini) {
  std::string host = Utf16ToAnsi(ini.Value(kSection, u"TransMothed").value_or(u""));
  if (!host.empty()) {
    try {
      host = UnprotectValue(host, SettingsKeyText);
    } catch (const NotHexStringError&) {
      // A damaged value must not keep the program from starting: it reads as
      // unset, and the next save writes the host in good form.
      host.clear();
    }
  }
  return host.empty() ? DefaultTranslationHost : host;
}

void WriteInteger(IniFile& ini, std::u16string_view key, int32_t value) {
  ini.SetValue(kSection, key, AnsiToUtf16(std::to_string(value)));
}

}  // namespace

TDataObject::TDataObject() : TDataObject(ProgramFolder() + u"ConfigEN.ini") {}

TDataObject::TDataObject(std::u16string iniFileName) : IniFileName(std::move(iniFileName)) {
  LoadFromFile();
}

void TDataObject::LoadFromFile() {
  FileRead file = ReadWholeFile(IniFileName);
  LoadFailed = file.result == ReadResult::Unreadable;
  const IniFile ini(std::move(file.bytes));
  TimeOut = ReadInteger(ini, u"TimeOut", 15);
  TranslateMode = ReadInteger(ini, u"TranslateMode", 1);
  SendMessageMode = ReadInteger(ini, u"SendMessageMode", 1);
  TransMothed = ReadTranslationHost(ini);
  SendIndex = ReadInteger(ini, u"SendIndex", 0);
  RecvIndex = ReadInteger(ini, u"RecvIndex", 2);
  LangIndex = ReadInteger(ini, u"LangIndex", 0);
}

void TDataObject::SaveToFile() const {
  if (LoadFailed) return;
  IniFile ini(ReadFileBytes(IniFileName).value_or(std::string()));
  WriteInteger(ini, u"TimeOut", TimeOut);
  WriteInteger(ini, u"TranslateMode", TranslateMode);
  WriteInteger(ini, u"SendMessageMode", SendMessageMode);
  ini.SetValue(kSection, u"TransMothed", AnsiToUtf16(ProtectValue(TransMothed, SettingsKeyText)));
  WriteInteger(ini, u"SendIndex", SendIndex);
  WriteInteger(ini, u"RecvIndex", RecvIndex);
  WriteInteger(ini, u"LangIndex", LangIndex);
  ini.Save(IniFileName);
}

}  // namespace tandemix
