// The logo decoder: any bytes decode or are refused, and a decoded picture is
// within the size limit, holds exactly its pixels and is opaque.

#include "tests/fuzz/fuzz_support.h"
#include "window/jpeg_picture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tandemix;
  using namespace tandemix::fuzz;
  const auto picture = DecodeJpeg({data, size});
  if (!picture) return 0;
  Check(picture->width > 0 && picture->height > 0 && picture->width <= int{kMaxJpegSide} &&
            picture->height <= int{kMaxJpegSide},
        "a decoded picture is within the limit");
  Check(picture->pixels.size() == size_t(picture->width) * size_t(picture->height) * 4,
        "four bytes a pixel");
  for (size_t i = 3; i < picture->pixels.size(); i += 4) {
    Check(picture->pixels[i] == 0xFF, "every pixel is opaque");
  }
  return 0;
}
