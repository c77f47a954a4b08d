#pragma once

// imgLogo: the banner at the top of the control window.

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "platform/owned_handles_win.h"

namespace tandemix {

class Logo {
 public:
  Logo() = default;
  Logo(const Logo&) = delete;
  Logo& operator=(const Logo&) = delete;

  // The banner stored with the window, for a place of the size fit.
  void LoadStored(HINSTANCE instance, int resourceId, SIZE fit);
  // A JPEG file; a missing, damaged or truncated one keeps the current picture.
  void LoadFile(const std::u16string& file, SIZE fit);
  void Paint(HDC dc, const RECT& area) const;
  bool HasPicture() const { return bool(bitmap_); }

 private:
  // Decodes a JPEG and keeps it for a place of the size fit; a picture that
  // cannot be decoded keeps the current one.
  void Show(std::span<const uint8_t> jpeg, SIZE fit);
  GdiObject<HBITMAP> bitmap_;
  SIZE size_{};
};

}  // namespace tandemix
