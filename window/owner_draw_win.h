#pragma once

// The faces of the controls the window draws itself: buttons whose picture
// and caption never overlap, and links that show they have the focus.

#include <windows.h>

namespace tandemix {

// The picture at the left edge, the caption centred in the space to its right.
void DrawPictureButton(const DRAWITEMSTRUCT& item, HICON picture, int pictureSize, UINT dpi);
void DrawLink(const DRAWITEMSTRUCT& item, COLORREF color);

}  // namespace tandemix
