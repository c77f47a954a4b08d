#include "window/jpeg_picture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tests/jpeg_file.h"

namespace tandemix {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::EncodeJpeg;
using test::Raster;

using Rgb = std::array<std::uint8_t, 3>;
constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

// 32 x 32: red, green on top; blue, white below.
Raster Quadrants() {
  Raster raster{32, 32, 3, JCS_RGB, {}};
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Rgb& c = y < 16 ? (x < 16 ? kRed : kGreen) : (x < 16 ? kBlue : kWhite);
      raster.samples.insert(raster.samples.end(), c.begin(), c.end());
    }
  }
  return raster;
}

Bytes QuadrantsJpeg() {
  static const Bytes bytes = EncodeJpeg(Quadrants());
  return bytes;
}

std::array<std::uint8_t, 4> PixelAt(const JpegPicture& picture, int x, int y) {
  const std::uint8_t* p = &picture.pixels[(static_cast<size_t>(y) * picture.width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

void ExpectColour(const JpegPicture& picture, int x, int y, const Rgb& rgb) {
  const auto bgra = PixelAt(picture, x, y);
  SCOPED_TRACE("pixel " + std::to_string(x) + "," + std::to_string(y));
  EXPECT_NEAR(bgra[0], rgb[2], 24);
  EXPECT_NEAR(bgra[1], rgb[1], 24);
  EXPECT_NEAR(bgra[2], rgb[0], 24);
  EXPECT_EQ(bgra[3], 255);
}

size_t FindMarker(const Bytes& bytes, std::uint8_t marker) {
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == marker) return i;
  }
  ADD_FAILURE() << "marker " << int{marker} << " not found";
  return 0;
}

TEST(JpegPictureTest, DecodesColourAsTopDownBgra) {
  for (bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const auto picture = DecodeJpeg(EncodeJpeg(Quadrants(), progressive));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 32);
    EXPECT_EQ(picture->height, 32);
    ASSERT_EQ(picture->pixels.size(), 32u * 32u * 4u);
    ExpectColour(*picture, 8, 8, kRed);
    ExpectColour(*picture, 24, 8, kGreen);
    ExpectColour(*picture, 8, 24, kBlue);
    ExpectColour(*picture, 24, 24, kWhite);
  }
}

TEST(JpegPictureTest, DecodesOddSizeWithoutRowPadding) {
  Raster raster{13, 7, 3, JCS_RGB, Bytes(13 * 7 * 3, 0)};
  for (size_t i = 0; i < raster.samples.size(); i += 3) raster.samples[i] = 255;
  const auto picture = DecodeJpeg(EncodeJpeg(raster));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 13);
  EXPECT_EQ(picture->height, 7);
  ASSERT_EQ(picture->pixels.size(), 13u * 7u * 4u);
  ExpectColour(*picture, 12, 6, kRed);
}

TEST(JpegPictureTest, DecodesGrayscaleAsGreyPixels) {
  Raster raster{16, 16, 1, JCS_GRAYSCALE, {}};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) raster.samples.push_back(x < 8 ? 40 : 200);
  }
  const auto picture = DecodeJpeg(EncodeJpeg(raster));
  ASSERT_TRUE(picture);
  ExpectColour(*picture, 2, 8, {40, 40, 40});
  ExpectColour(*picture, 13, 8, {200, 200, 200});
}

TEST(JpegPictureTest, RefusesCmyk) {
  const Raster raster{16, 16, 4, JCS_CMYK, Bytes(16 * 16 * 4, 128)};
  EXPECT_FALSE(DecodeJpeg(EncodeJpeg(raster)));
}

TEST(JpegPictureTest, RefusesPicturesLongerThanTheLimit) {
  const struct {
    int width;
    int height;
    bool decodes;
  } cases[] = {
      {4096, 8, true},
      {8, 4096, true},
      {4097, 8, false},
      {8, 4097, false},
  };
  for (const auto& c : cases) {
    const Raster raster{c.width, c.height, 3, JCS_RGB, Bytes(c.width * c.height * 3, 90)};
    EXPECT_EQ(DecodeJpeg(EncodeJpeg(raster)).has_value(), c.decodes) << c.width << " x " << c.height;
  }
}

TEST(JpegPictureTest, RefusesEveryTruncation) {
  const Bytes whole = QuadrantsJpeg();
  ASSERT_TRUE(DecodeJpeg(whole));
  for (size_t length = 0; length < whole.size(); ++length) {
    const Bytes part(whole.begin(), whole.begin() + length);
    EXPECT_FALSE(DecodeJpeg(part)) << "kept " << length << " of " << whole.size() << " bytes";
  }
}

TEST(JpegPictureTest, RefusesDamagedPictures) {
  struct Case {
    const char* name;
    void (*damage)(Bytes&);
  };
  const Case cases[] = {
      {"start marker", [](Bytes& b) { b[1] = 0x00; }},
      {"zero width",
       [](Bytes& b) {
         const size_t sof = FindMarker(b, 0xC0);
         b[sof + 7] = b[sof + 8] = 0;
       }},
      {"12-bit samples", [](Bytes& b) { b[FindMarker(b, 0xC0) + 4] = 12; }},
      {"no components", [](Bytes& b) { b[FindMarker(b, 0xC0) + 9] = 0; }},
      {"60000 x 60000",
       [](Bytes& b) {
         const size_t sof = FindMarker(b, 0xC0);
         b[sof + 5] = b[sof + 7] = 0xEA;
         b[sof + 6] = b[sof + 8] = 0x60;
       }},
      {"overfull Huffman table", [](Bytes& b) { b[FindMarker(b, 0xC4) + 5 + 15] = 0xFF; }},
      {"end marker inside the scan",
       [](Bytes& b) {
         const size_t sos = FindMarker(b, 0xDA);
         const size_t data = sos + 2 + (b[sos + 2] << 8 | b[sos + 3]);
         b[data + 4] = 0xFF;
         b[data + 5] = 0xD9;
       }},
  };
  for (const Case& c : cases) {
    Bytes bytes = QuadrantsJpeg();
    c.damage(bytes);
    EXPECT_FALSE(DecodeJpeg(bytes)) << c.name;
  }
}

Bytes Noise(size_t size) {
  std::mt19937 random(7);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

TEST(JpegPictureTest, RefusesOtherData) {
  Bytes startThenNoise = Noise(500);
  startThenNoise[0] = 0xFF;
  startThenNoise[1] = 0xD8;
  const struct {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"noise", Noise(500)},
      {"start marker, then noise", startThenNoise},
      {"PNG", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I',  'H',  'D',  'R', 0,
               0,    0,   16,  0,   0,    0,    16,   8,    6, 0, 0, 0,  0x1F, 0xF3, 0xFF, 0x61}},
      {"text", {'L', 'O', 'G', 'O', '\n'}},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodeJpeg(c.bytes)) << c.name;
}

// Sanitizers watch this one: every damaged byte must end in a picture of
// consistent size or in nothing, without a stray read or a leak.
TEST(JpegPictureTest, SurvivesAnyDamagedByte) {
  const Bytes whole = QuadrantsJpeg();
  std::mt19937 random(11);
  for (size_t i = 0; i < whole.size(); ++i) {
    Bytes bytes = whole;
    bytes[i] ^= static_cast<std::uint8_t>(1 + random() % 255);
    if (const auto picture = DecodeJpeg(bytes)) {
      EXPECT_EQ(picture->pixels.size(), static_cast<size_t>(picture->width) * picture->height * 4)
          << "damaged byte " << i;
    }
  }
}

}  // namespace
}  // namespace tandemix
