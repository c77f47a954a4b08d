#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tandemix {

// A decoded picture in the layout of a top-down 32-bit DIB section: rows top
// first, each pixel blue, green, red, alpha (opaque), no row padding.
struct JpegPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 4 bytes
};

// A longer side is refused before anything is allocated: a header may claim
// 65500 x 65500 pixels in a few hundred bytes.
inline constexpr unsigned kMaxJpegSide = 4096;

// Decodes a baseline or progressive JPEG (colour or grayscale). Returns nothing
// for anything else: empty, truncated, damaged, CMYK or oversized input, so the
// caller keeps the picture it already has.
std::optional<JpegPicture> DecodeJpeg(std::span<const std::uint8_t> bytes);

}  // namespace tandemix
