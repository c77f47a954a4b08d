#include "window/lang_plan.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "window/form_layout.h"
#include "window/lang_keys.h"

namespace tandemix {
namespace {

// Buttons, lists and tabs draw with the system's colours; links have their own.
bool ShowsTextColor(ComponentKind kind) {
  return kind == ComponentKind::Label || kind == ComponentKind::CheckBox ||
         kind == ComponentKind::GroupBox;
}

bool HasFont(ComponentKind kind) {
  return kind != ComponentKind::Picture && kind != ComponentKind::MenuItem;
}

// The component whose font a control shows unless it has its own; empty for
// the window. The group box holds its labels and lists, although as windows
// they lie on the page beside it.
std::string_view FontParent(const FormComponent& component) {
  constexpr std::string_view kInGroup[] = {"lblSendLang", "cbbSendLang", "lblRecvLang",
                                           "cbbRecvLang"};
  if (std::ranges::find(kInGroup, component.name) != std::end(kInGroup)) return "grpTranOption";
  return component.parent ? component.parent : "";
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

  // The fonts given by an entry, the component's own or its holder's; the
  // description lists a holder before what it holds.
  std::map<std::string_view, FontAttributes> entryFonts;
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
    if (HasFont(component.kind)) {
      const auto parent = entryFonts.find(FontParent(component));
      const FontAttributes& parentFont =
          parent != entryFonts.end() ? parent->second : plan.formFont;
      const std::u16string own = FontText(file, name);
      if (!own.empty()) {
        change.font = ApplyFontDescription(parentFont, own);
      } else if (parent != entryFonts.end() && component.kind != ComponentKind::Link) {
        change.font = parentFont;  // links keep their designed font
      }
      if (change.font) entryFonts.emplace(component.name, *change.font);
      const FontAttributes& shown = change.font ? *change.font : plan.formFont;
      if (component.kind == ComponentKind::Link) {
        if (change.font) change.textColor = change.font->color;  // else its designed blue
      } else if (ShowsTextColor(component.kind) && shown.color != FontAttributes{}.color) {
        change.textColor = shown.color;
      }
    }
    if (change.text || change.items || change.font || change.textColor) {
      plan.components.push_back(std::move(change));
    }
  }
  return plan;
}

}  // namespace tandemix
