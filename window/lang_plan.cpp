#include "window/lang_plan.h"

#include "window/form_layout.h"
#include "window/lang_keys.h"

namespace tandemix {
namespace {

// Links keep their blue; buttons, lists and tabs draw with the system's colours.
bool ShowsTextColor(ComponentKind kind) {
  return kind == ComponentKind::Label || kind == ComponentKind::CheckBox ||
         kind == ComponentKind::GroupBox;
}

// Lines of a list property's value, its "<BR>"s already turned into line breaks.
std::vector<std::u16string> ValueLines(const std::u16string& text) {
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

LangPlan PlanInterfaceLanguage(const LangFile& file, const FontAttributes& designed,
                               const FontAttributes& systemDefault) {
  LangPlan plan;
  // Name, size and character set come from the default font; the rest stays.
  FontAttributes defaults = systemDefault;
  const std::u16string described = file.Text(kDefaultFontKey);
  if (!described.empty()) defaults = ApplyFontDescription(defaults, described);
  plan.formFont = designed;
  plan.formFont.name = defaults.name;
  plan.formFont.size = defaults.size;
  plan.formFont.charset = defaults.charset;
  const std::u16string formFont = FontText(file, u"");
  if (!formFont.empty()) plan.formFont = ApplyFontDescription(plan.formFont, formFont);

  const std::u16string caption = file.Text(TextKey(u"", u"Caption"));
  if (!caption.empty()) plan.caption = caption;

  for (const FormComponent& component : FormComponents()) {
    const std::string_view ascii = component.name;
    const std::u16string name(ascii.begin(), ascii.end());
    ComponentChange change;
    change.name = component.name;
    if (component.kind == ComponentKind::ComboList) {
      const std::u16string items = file.Text(TextKey(name, u"Items.Text"));
      if (!items.empty()) change.items = ValueLines(items);
    } else if (component.kind != ComponentKind::Picture &&
               component.kind != ComponentKind::PageControl) {
      const std::u16string text = file.Text(TextKey(name, u"Caption"));
      if (!text.empty()) change.text = text;
    }
    // A control's own font starts from its parent's, the window's.
    const std::u16string font = FontText(file, name);
    if (!font.empty()) change.font = ApplyFontDescription(plan.formFont, font);
    const uint32_t color = (change.font ? *change.font : plan.formFont).color;
    if (ShowsTextColor(component.kind) && color != FontAttributes{}.color) change.textColor = color;
    if (change.text || change.items || change.font || change.textColor) {
      plan.components.push_back(std::move(change));
    }
  }
  return plan;
}

}  // namespace tandemix
