#pragma once

// What the interface-language switch sets on the control window, decided from
// the parsed file and the window's description alone.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/font_description.h"
#include "window/lang_file.h"

namespace tandemix {

struct ComponentChange {
  const char* name;  // a component of the window's description
  std::optional<std::u16string> text;
  std::optional<std::vector<std::u16string>> items;
  std::optional<FontAttributes> font;  // the component's own font, not its parent's
  // A TColor, for the labels, check boxes and group boxes whose font (their
  // own or the window's) has a colour other than the default.
  std::optional<uint32_t> textColor;
};

struct LangPlan {
  FontAttributes formFont;
  std::optional<std::u16string> caption;
  // Only the components that something is set on, in the description's order.
  std::vector<ComponentChange> components;
};

// designed: the window's stored font; systemDefault: the system's interface
// font, which "!TranslationDefaultFont" replaces.
LangPlan PlanInterfaceLanguage(const LangFile& file, const FontAttributes& designed,
                               const FontAttributes& systemDefault);

}  // namespace tandemix
