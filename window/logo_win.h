#pragma once

// imgLogo: the banner at the top of the control window.

#include <windows.h>

#include <filesystem>

namespace tandemix {

class Logo {
 public:
  Logo() = default;
  ~Logo();
  Logo(const Logo&) = delete;
  Logo& operator=(const Logo&) = delete;

  // The banner stored with the window.
  void LoadStored(HINSTANCE instance, int resourceId);
  // A JPEG file; a missing, damaged or truncated one keeps the current picture.
  void LoadFile(const std::filesystem::path& file);
  void Paint(HDC dc, const RECT& area) const;

 private:
  void Replace(HBITMAP bitmap, SIZE size);
  HBITMAP bitmap_ = nullptr;
  SIZE size_{};
};

}  // namespace tandemix
