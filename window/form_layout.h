#pragma once

// The control window's stored description: every component with its name,
// kind, place and stored (Simplified Chinese) text. The names are the keys
// the interface-language files address.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tandemix {

enum class ComponentKind {
  Picture,
  PageControl,
  Page,
  GroupBox,
  Label,
  Link,
  ComboList,
  CheckBox,
  Button,
  MenuItem
};

struct Rect {
  int left, top, width, height;
};

struct FormComponent {
  const char* name;
  ComponentKind kind;
  const char* parent;  // page or group it lies on; nullptr for the window itself
  std::u16string text;
  Rect bounds;  // pixels, in its page's client area for page children
  bool checked = false;
  bool enabled = true;
  int picture = 0;  // icon resource shown on a button
};

// The form's name: the window class, and the first part of every key of the
// interface-language files.
inline constexpr char kFormClassName[] = "TfrmYahooIM_Main";
// The same name in UTF-16.
inline constexpr auto kFormClassNameUtf16 = [] {
  std::array<char16_t, sizeof kFormClassName> name{};
  for (size_t i = 0; i < sizeof kFormClassName; ++i) name[i] = kFormClassName[i];
  return name;
}();
inline constexpr int kClientWidth = 404;
inline constexpr int kClientHeight = 323;
inline constexpr int kLogoHeight = 59;

// In creation order; pages in the order of their tabs.
std::span<const FormComponent> FormComponents();
const FormComponent& FindComponent(std::string_view name);

}  // namespace tandemix
