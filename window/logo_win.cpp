#include "window/logo_win.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "settings/error.h"
#include "settings/file_io.h"
#include "window/jpeg_picture.h"

namespace tandemix {
namespace {

// The picture at the size kept, scaled down where that is smaller.
GdiObject<HBITMAP> ToBitmap(const JpegPicture& picture, SIZE kept) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  BITMAPINFO keptInfo = info;
  keptInfo.bmiHeader.biWidth = kept.cx;
  keptInfo.bmiHeader.biHeight = -kept.cy;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(
      CreateDIBSection(nullptr, &keptInfo, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return bitmap;
  if (kept.cx == picture.width && kept.cy == picture.height) {
    std::memcpy(bits, picture.pixels.data(), picture.pixels.size());
    return bitmap;
  }
  const MemoryDc memory(nullptr, bitmap.get());
  SetStretchBltMode(memory.get(), HALFTONE);
  StretchDIBits(memory.get(), 0, 0, kept.cx, kept.cy, 0, 0, picture.width, picture.height,
                picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  return bitmap;
}

}  // namespace

// A picture larger than the place it is drawn in is kept at that place's size:
// a large logo file would otherwise stay resident all day at full size. A
// smaller one is kept as it is and stretched when painted.
void Logo::Show(std::span<const uint8_t> jpeg, SIZE fit) {
  const std::optional<JpegPicture> picture = DecodeJpeg(jpeg);
  if (!picture) return;
  const SIZE kept{std::min(picture->width, int(fit.cx)), std::min(picture->height, int(fit.cy))};
  GdiObject<HBITMAP> bitmap = ToBitmap(*picture, kept);
  if (!bitmap) return;
  bitmap_ = std::move(bitmap);
  size_ = kept;
}

void Logo::LoadStored(HINSTANCE instance, int resourceId, SIZE fit) {
  HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  if (!resource) return;
  const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(instance, resource)));
  const DWORD length = SizeofResource(instance, resource);
  Show({bytes, length}, fit);
}

void Logo::LoadFile(const std::u16string& file, SIZE fit) {
  std::optional<std::string> bytes;
  try {
    bytes = ReadFileBytes(file);
  } catch (const Error&) {
    return;  // locked or not a file: the picture stays
  }
  if (!bytes) return;
  Show({reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()}, fit);
}

void Logo::Paint(HDC dc, const RECT& area) const {
  if (!bitmap_) return;
  const MemoryDc memory(dc, bitmap_.get());
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory.get(),
             0, 0, size_.cx, size_.cy, SRCCOPY);
}

}  // namespace tandemix
