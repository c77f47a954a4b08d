#include "window/lang_keys.h"

#include "window/form_layout.h"

namespace tandemix {
namespace {

std::u16string ComponentPath(std::u16string_view component) {
  std::u16string path(kFormClassNameUtf16.data());
  if (!component.empty()) path.append(u".").append(component);
  return path;
}

}  // namespace

std::u16string TextKey(std::u16string_view component, std::u16string_view property) {
  return ComponentPath(component).append(u".").append(property);
}

std::u16string FontKey(std::u16string_view component) {
  return ComponentPath(component).append(u".!Font");
}

std::u16string FontText(const LangFile& file, std::u16string_view component) {
  const std::u16string text = file.Text(FontKey(component));
  return text.empty() ? file.Text(ComponentPath(component).append(u"!Font")) : text;
}

}  // namespace tandemix
