#pragma once

// JPEG files made with libjpeg's encoder, as tests write them.

#include <cstdint>
#include <cstdio>  // before jpeglib.h, which uses FILE
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace tandemix::test {

struct Raster {
  int width;
  int height;
  int components;
  J_COLOR_SPACE space;
  std::vector<std::uint8_t> samples;  // rows top first, components interleaved
};

inline std::vector<std::uint8_t> EncodeJpeg(const Raster& raster, bool progressive = false) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = raster.width;
  cinfo.image_height = raster.height;
  cinfo.input_components = raster.components;
  cinfo.in_color_space = raster.space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  const int stride = raster.width * raster.components;
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(raster.samples.data()) + stride * cinfo.next_scanline;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> bytes(out, out + size);
  std::free(out);
  return bytes;
}

}  // namespace tandemix::test
