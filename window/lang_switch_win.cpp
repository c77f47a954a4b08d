#include "window/lang_switch_win.h"

#include <optional>
#include <string>
#include <vector>

#include "settings/file_io.h"
#include "window/font_description.h"
#include "window/lang_file.h"
#include "window/lang_keys.h"

namespace tandemix {
namespace {

std::u16string U16(const char* ascii) { return std::u16string(ascii, ascii + strlen(ascii)); }

FontSpec ToSpec(const LOGFONTW& font) {
  FontSpec spec;
  spec.name = reinterpret_cast<const char16_t*>(font.lfFaceName);
  spec.size = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, 96);
  spec.bold = font.lfWeight >= FW_BOLD;
  spec.italic = font.lfItalic;
  spec.underline = font.lfUnderline;
  spec.strikeOut = font.lfStrikeOut;
  spec.charset = font.lfCharSet;
  return spec;
}

LOGFONTW ToLogFont(const FontSpec& spec) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(spec.size, 96, 72);
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfStrikeOut = spec.strikeOut;
  font.lfCharSet = static_cast<BYTE>(spec.charset);
  font.lfPitchAndFamily = spec.pitch == 2 ? FIXED_PITCH : spec.pitch == 1 ? VARIABLE_PITCH : 0;
  wcsncpy(font.lfFaceName, reinterpret_cast<const wchar_t*>(spec.name.c_str()), LF_FACESIZE - 1);
  return font;
}

LOGFONTW SystemInterfaceFont() {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
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
