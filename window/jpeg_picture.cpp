#include "window/jpeg_picture.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace tandemix {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void Escape(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->escape, 1);
}

// libjpeg only warns about a premature end or corrupt data and fills the rest
// with grey; a half-grey logo is worse than the stored banner, so a warning
// fails like an error. Trace messages are dropped: nothing goes to stderr.
void OnMessage(j_common_ptr cinfo, int msgLevel) {
  if (msgLevel < 0) Escape(cinfo);
}

// Only C structs live here: a longjmp would skip destructors. The
// picture lives in the caller and is dropped there on failure.
bool DecodeInto(std::span<const std::uint8_t> bytes, JpegPicture& picture) {
  jpeg_decompress_struct cinfo{};  // zeroed: destroy is safe even if create fails
  ErrorManager errors;
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = Escape;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  if (cinfo.image_width > kMaxJpegSide || cinfo.image_height > kMaxJpegSide) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  // CMYK and YCCK cannot be converted to BGRA; start_decompress refuses them.
  cinfo.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&cinfo);

  const std::size_t stride = std::size_t{cinfo.output_width} * 4;
  picture.width = static_cast<int>(cinfo.output_width);
  picture.height = static_cast<int>(cinfo.output_height);
  try {
    picture.pixels.resize(stride * cinfo.output_height);
  } catch (const std::bad_alloc&) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = picture.pixels.data() + stride * cinfo.output_scanline;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

std::optional<JpegPicture> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  JpegPicture picture;
  if (!DecodeInto(bytes, picture)) return std::nullopt;
  return picture;
}

}  // namespace tandemix
