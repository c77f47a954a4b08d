#include "window/lang_keys.h"

namespace tandemix {
namespace {

constexpr std::u16string_view kFormClass = u"TfrmYahooIM_Main";

std::u16string ComponentPath(std::u16string_view component) {
  std::u16string path(kFormClass);
  if (!component.empty()) path.append(u".").append(component);
  return path;
}

}  // namespace

std::u16string TextKey(std::u16string_view component, std::u16string_view property) {
  return ComponentPath(component).append(u".").append(property);
}

std::u16string FontKey(std::u16string_view component) {
  return ComponentPath(component).append(u"!Font");
}

}  // namespace tandemix
