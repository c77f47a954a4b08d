#include "window/lang_switch_win.h"

#include <optional>
#include <string>

#include "settings/error.h"
#include "settings/file_io.h"
#include "window/lang_file.h"
#include "window/lang_plan.h"

namespace tandemix {
namespace {

FontSpec ToSpec(const LOGFONTW& font) {
  FontSpec fontSpec;
  fontSpec.name = reinterpret_cast<const char16_t*>(font.lfFaceName);
  fontSpec.size = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, 96);
  fontSpec.bold = font.lfWeight >= FW_BOLD;
  fontSpec.italic = font.lfItalic;
  fontSpec.underline = font.lfUnderline;
  fontSpec.strikeOut = font.lfStrikeOut;
  fontSpec.charset = font.lfCharSet;
  return fontSpec;
}

LOGFONTW ToLogFont(const FontSpec& fontSpec) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(fontSpec.size, 96, 72);
  font.lfWeight = fontSpec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = fontSpec.italic;
  font.lfUnderline = fontSpec.underline;
  font.lfStrikeOut = fontSpec.strikeOut;
  font.lfCharSet = static_cast<BYTE>(fontSpec.charset);
  font.lfPitchAndFamily = fontSpec.pitch == 2   ? FIXED_PITCH
                          : fontSpec.pitch == 1 ? VARIABLE_PITCH
                                                : 0;
  wcsncpy(font.lfFaceName, reinterpret_cast<const wchar_t*>(fontSpec.name.c_str()),
          LF_FACESIZE - 1);
  return font;
}

// A TColor as GDI draws it: a system colour is looked up now.
COLORREF ToColorRef(uint32_t color) {
  constexpr uint32_t kSystemColor = 0xFF000000;
  return (color & kSystemColor) == kSystemColor ? GetSysColor(color & 0xFF) : color & 0xFFFFFF;
}

LOGFONTW SystemInterfaceFont() {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return font;
}

// The file's bytes; nothing when it is missing or cannot be read (locked, a
// folder of that name): the window then keeps its stored texts.
std::optional<std::string> ReadLanguageFile(const std::filesystem::path& file) {
  try {
    return ReadFileBytes(file);
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

void ApplyInterfaceLanguage(FormControls& controls, HWND form,
                            const std::filesystem::path& programFolder, int langIndex) {
  if (langIndex != 0 && langIndex != 1) return;
  const std::optional<std::string> bytes =
      ReadLanguageFile(programFolder / (langIndex == 0 ? L"CHS.txt" : L"ENU.txt"));
  if (!bytes) return;
  const LangPlan plan = PlanInterfaceLanguage(LangFile::Parse(*bytes), ToSpec(DesignedFont()),
                                              ToSpec(SystemInterfaceFont()));

  controls.SetFormFont(ToLogFont(plan.formFont));
  if (plan.caption) SetWindowTextW(form, reinterpret_cast<const wchar_t*>(plan.caption->c_str()));
  for (const ComponentChange& change : plan.components) {
    if (change.items) controls.SetItems(change.name, *change.items);
    if (change.text) controls.SetText(change.name, *change.text);
    if (change.font) controls.SetFont(change.name, ToLogFont(*change.font));
    if (change.textColor) controls.SetTextColor(change.name, ToColorRef(*change.textColor));
  }
}

}  // namespace tandemix
