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
  // The font it shows when that is not the window's: its own entry's, or the
  // one it takes from the group box, page or page control that holds it.
  std::optional<FontAttributes> font;
  // A TColor: for the labels, check boxes and group boxes whose font has a
  // colour other than the default; for a link, the colour of its own entry.
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
