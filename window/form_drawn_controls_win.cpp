// The controls the window draws itself: the picture buttons and the links.

#include "window/form_controls_win.h"

#include "window/dpi_win.h"
#include "window/high_contrast_win.h"
#include "window/owner_draw_win.h"

namespace tandemix {
namespace {

constexpr int kPictureSize = 16;  // at 96 DPI

}  // namespace

void FormControls::LoadPictures() {
  const int size = Scale(kPictureSize, dpi_);
  for (const FormComponent& c : FormComponents()) {
    if (!c.picture) continue;
    // The icon files hold each picture at the common scales; the nearest is used.
    pictures_[c.name].reset(
        HICON(LoadImageW(instance_, MAKEINTRESOURCEW(c.picture), IMAGE_ICON, size, size, 0)));
    InvalidateRect(Get(c.name), nullptr, TRUE);
  }
}

bool FormControls::IsLink(HWND control) const { return KindOf(control) == ComponentKind::Link; }

bool FormControls::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (IsLink(item.hwndItem)) {
    // Blue (under a high-contrast theme the system's colour of links), unless
    // the interface-language file gives the link a colour.
    DrawLink(item, TextColorOf(item.hwndItem).value_or(LinkColor()));
    return true;
  }
  for (const auto& [name, picture] : pictures_) {
    if (Get(name) != item.hwndItem) continue;
    DrawPictureButton(item, picture.get(), Scale(kPictureSize, dpi_), dpi_);
    return true;
  }
  return false;
}

}  // namespace tandemix
