#include "window/lang_switch_win.h"

#include <optional>
#include <string>

#include "platform/wide_win.h"
#include "settings/error.h"
#include "settings/file_io.h"
#include "window/dpi_win.h"
#include "window/lang_file.h"
#include "window/lang_plan.h"

namespace tandemix {
namespace {

FontAttributes ToSpec(const LOGFONTW& font) {
  FontAttributes attributes;
  attributes.name = reinterpret_cast<const char16_t*>(font.lfFaceName);
  attributes.size = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, 96);
  attributes.bold = font.lfWeight >= FW_BOLD;
  attributes.italic = font.lfItalic;
  attributes.underline = font.lfUnderline;
  attributes.strikeOut = font.lfStrikeOut;
  attributes.charset = font.lfCharSet;
  return attributes;
}

LOGFONTW ToLogFont(const FontAttributes& attributes) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(attributes.size, 96, 72);
  font.lfWeight = attributes.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = attributes.italic;
  font.lfUnderline = attributes.underline;
  font.lfStrikeOut = attributes.strikeOut;
  font.lfCharSet = static_cast<BYTE>(attributes.charset);
  font.lfPitchAndFamily = attributes.pitch == 2   ? FIXED_PITCH
                          : attributes.pitch == 1 ? VARIABLE_PITCH
                                                  : 0;
  wcsncpy(font.lfFaceName, Wide(attributes.name), LF_FACESIZE - 1);
  return font;
}

// A TColor as GDI draws it: a system colour is looked up now.
COLORREF ToColorRef(uint32_t color) {
  constexpr uint32_t kSystemColor = 0xFF000000;
  return (color & kSystemColor) == kSystemColor ? GetSysColor(color & 0xFF) : color & 0xFFFFFF;
}

// At 96 DPI, as the window's fonts are given: the stock font is the system's size.
LOGFONTW SystemInterfaceFont() {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, kDesignDpi, SystemDpi());
  return font;
}

// The file's bytes; nothing when it is missing or cannot be read (locked, a
// folder of that name): the window then keeps its stored texts.
std::optional<std::string> ReadLanguageFile(const std::u16string& file) {
  try {
    return ReadFileBytes(file);
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

void ApplyInterfaceLanguage(FormControls& controls, HWND form, const std::u16string& programFolder,
                            int langIndex) {
  if (langIndex != 0 && langIndex != 1) return;
  const std::optional<std::string> bytes =
      ReadLanguageFile(programFolder + (langIndex == 0 ? u"CHS.txt" : u"ENU.txt"));
  if (!bytes) return;
  const LangPlan plan = PlanInterfaceLanguage(LangFile::Parse(*bytes), ToSpec(DesignedFont()),
                                              ToSpec(SystemInterfaceFont()));

  controls.SetFont(kFormClassName, ToLogFont(plan.formFont));
  if (plan.caption) SetWindowTextW(form, Wide(*plan.caption));
  for (const ComponentChange& change : plan.components) {
    if (change.items) controls.SetItems(change.name, *change.items);
    if (change.text) controls.SetText(change.name, *change.text);
    if (change.font) controls.SetFont(change.name, ToLogFont(*change.font));
    if (change.textColor) controls.SetTextColor(change.name, ToColorRef(*change.textColor));
  }
}

}  // namespace tandemix
