#include "window/lang_switch_win.h"

#include <optional>
#include <string>
#include <vector>

#include "settings/file_io.h"
#include "window/dpi_win.h"
#include "window/font_description.h"
#include "window/lang_file.h"
#include "window/lang_keys.h"

namespace tandemix {
namespace {

std::u16string U16(const char* ascii) { return std::u16string(ascii, ascii + strlen(ascii)); }

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

// At 96 DPI, as the window's fonts are given: the stock font is the system's size.
LOGFONTW SystemInterfaceFont() {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfHeight = MulDiv(font.lfHeight, kDesignDpi, SystemDpi());
  return font;
}

std::vector<std::u16string> Lines(const std::u16string& text) {
  std::vector<std::u16string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(u"\r\n", start);
    if (end == std::u16string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace

void ApplyInterfaceLanguage(FormControls& controls, HWND form,
                            const std::filesystem::path& programFolder, int langIndex) {
  if (langIndex != 0 && langIndex != 1) return;
  const std::optional<std::string> bytes =
      ReadFileBytes(programFolder / (langIndex == 0 ? L"CHS.txt" : L"ENU.txt"));
  if (!bytes) return;
  const LangFile file = LangFile::Parse(*bytes);

  // Name, size and character set come from the default font; the rest stays.
  FontSpec windowFont = ToSpec(DesignedFont());
  FontSpec defaults = ToSpec(SystemInterfaceFont());
  const std::u16string described = file.Text(kDefaultFontKey);
  if (!described.empty()) defaults = ApplyFontDescription(defaults, described);
  windowFont.name = defaults.name;
  windowFont.size = defaults.size;
  windowFont.charset = defaults.charset;
  const std::u16string formFont = file.Text(FontKey(u""));
  if (!formFont.empty()) windowFont = ApplyFontDescription(windowFont, formFont);
  controls.SetFormFont(ToLogFont(windowFont));

  const std::u16string caption = file.Text(TextKey(u"", u"Caption"));
  if (!caption.empty()) SetWindowTextW(form, reinterpret_cast<const wchar_t*>(caption.c_str()));

  for (const FormComponent& component : FormComponents()) {
    const std::u16string name = U16(component.name);
    if (component.kind == ComponentKind::ComboList) {
      const std::u16string items = file.Text(TextKey(name, u"Items.Text"));
      if (!items.empty()) controls.SetItems(component.name, Lines(items));
    } else if (component.kind != ComponentKind::Picture &&
               component.kind != ComponentKind::PageControl) {
      const std::u16string text = file.Text(TextKey(name, u"Caption"));
      if (!text.empty()) controls.SetText(component.name, text);
    }
    const std::u16string font = file.Text(FontKey(name));
    if (!font.empty())
      controls.SetFont(component.name, ToLogFont(ApplyFontDescription(windowFont, font)));
  }
}

}  // namespace tandemix
