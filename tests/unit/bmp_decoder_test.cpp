#include "textures/bmp_decoder.h"

#include <gtest/gtest.h>

#include "tests/unit/bmp_bytes.h"

using bmptest::Header;
using bmptest::Picture;
using bmptest::Rgb;

namespace {

std::vector<unsigned char> decode(const std::vector<unsigned char>& file, int size,
                                  int alphaValue = -1, int alphaThreshold = 0) {
  std::vector<unsigned char> rgba;
  EXPECT_TRUE(decodeBmp(file.data(), file.size(), size, alphaValue, alphaThreshold, rgba));
  return rgba;
}

const unsigned char* texel(const std::vector<unsigned char>& rgba, int side, int x, int row) {
  return &rgba[(static_cast<size_t>(row) * side + x) * 4];
}

// Image row 0 is the picture's top row, every channel in place.
void expectSamePicture(const std::vector<unsigned char>& rgba, const Picture& picture) {
  ASSERT_EQ(rgba.size(), picture.pixels.size() * 4);
  for (int y = 0; y < picture.side; ++y) {
    for (int x = 0; x < picture.side; ++x) {
      const unsigned char* t = texel(rgba, picture.side, x, y);
      const Rgb want = picture.at(x, y);
      ASSERT_EQ(Rgb({t[0], t[1], t[2]}), want) << "at " << x << ", " << y;
    }
  }
}

Picture fourColours() {
  Picture picture{4, std::vector<Rgb>(16, Rgb{0, 0, 0})};
  picture.pixels[0] = {255, 255, 255};
  picture.pixels[1] = {128, 128, 128};
  picture.pixels[2] = {10, 20, 31};
  return picture;  // the rest black
}

}  // namespace

TEST(BmpDecoder, SwapsBlueAndRedAndTakesAlphaFromBrightness) {
  const std::vector<unsigned char> rgba = decode(bmptest::bmpBytes(fourColours()), 4);
  expectSamePicture(rgba, fourColours());
  EXPECT_EQ(texel(rgba, 4, 0, 0)[3], 255);  // white stroke
  EXPECT_EQ(texel(rgba, 4, 1, 0)[3], 128);  // mid-grey
  EXPECT_EQ(texel(rgba, 4, 2, 0)[3], 20);   // 61 / 3, the fraction dropped
  EXPECT_EQ(texel(rgba, 4, 3, 0)[3], 0);    // black background
}

TEST(BmpDecoder, ThresholdRuleGivesTheValueWhereAnyChannelReachesIt) {
  const std::vector<unsigned char> file = bmptest::bmpBytes(fourColours());
  std::vector<unsigned char> rgba = decode(file, 4, 200, 31);
  EXPECT_EQ(texel(rgba, 4, 0, 0)[3], 200);
  EXPECT_EQ(texel(rgba, 4, 1, 0)[3], 200);
  EXPECT_EQ(texel(rgba, 4, 2, 0)[3], 200);  // blue 31 reaches 31
  EXPECT_EQ(texel(rgba, 4, 3, 0)[3], 0);
  rgba = decode(file, 4, 200, 32);
  EXPECT_EQ(texel(rgba, 4, 2, 0)[3], 0);
  // Threshold 0, as the globe is loaded: every texel, black included, is opaque.
  rgba = decode(file, 4, 255, 0);
  for (size_t i = 3; i < rgba.size(); i += 4) EXPECT_EQ(rgba[i], 255);
}

TEST(BmpDecoder, FirstStoredRowBecomesTheLastImageRow) {
  const Picture picture = bmptest::numberedPicture(8);
  const std::vector<unsigned char> file = bmptest::bmpBytes(picture);
  const std::vector<unsigned char> rgba = decode(file, 8);
  // The file's first row (the picture's bottom) is image row 7; its top-left pixel is at t = 0.
  EXPECT_EQ(texel(rgba, 8, 0, 7)[2], file[54]);
  EXPECT_EQ(texel(rgba, 8, 0, 7)[0], file[56]);
  expectSamePicture(rgba, picture);
}

TEST(BmpDecoder, TopDownFilesAndLongerHeadersGiveTheSamePicture) {
  const Picture picture = bmptest::numberedPicture(8);
  Header topDown;
  topDown.topDown = true;
  Header v4;
  v4.infoHeaderBytes = 108;  // pixels at 122
  Header v5;
  v5.infoHeaderBytes = 124;  // pixels at 138
  v5.topDown = true;
  Header gap;
  gap.gapBytes = 16;  // a colour table or padding before the pixels
  for (const Header& header : {topDown, v4, v5, gap}) {
    const std::vector<unsigned char> file = bmptest::bmpBytes(picture, header);
    expectSamePicture(decode(file, 8), picture);
  }
  EXPECT_EQ(bmptest::bmpBytes(picture, v4)[10], 122);
  EXPECT_EQ(bmptest::bmpBytes(picture, v5)[10], 138);
}

TEST(BmpDecoder, PadsRowsToWholeWords) {
  // Two pixels take 6 bytes; the format stores 8 to a row.
  const Picture picture = bmptest::numberedPicture(2);
  const std::vector<unsigned char> file = bmptest::bmpBytes(picture);
  ASSERT_EQ(file.size(), 54u + 16u);
  expectSamePicture(decode(file, 2), picture);
}

TEST(BmpDecoder, BytesMissingAtTheEndReadAs255AndCountAsBelowTheThreshold) {
  const Picture picture = bmptest::numberedPicture(4);
  std::vector<unsigned char> file = bmptest::bmpBytes(picture);
  // Keep the first stored row and one byte (blue) of the second row's first pixel.
  file.resize(54 + 12 + 1);
  const unsigned char blue = file[54 + 12];

  std::vector<unsigned char> rgba = decode(file, 4);
  for (int x = 0; x < 4; ++x) {  // the stored row is intact, as image row 3
    EXPECT_EQ(texel(rgba, 4, x, 3)[0], picture.at(x, 3)[0]);
  }
  const unsigned char* partial = texel(rgba, 4, 0, 2);
  EXPECT_EQ(partial[0], 255);
  EXPECT_EQ(partial[1], 255);
  EXPECT_EQ(partial[2], blue);
  EXPECT_EQ(partial[3], (255 + 255 + blue) / 3);
  const unsigned char* missing = texel(rgba, 4, 1, 0);
  EXPECT_EQ(missing[0], 255);
  EXPECT_EQ(missing[3], 255);  // brightness of white

  rgba = decode(file, 4, 255, 0);
  EXPECT_EQ(texel(rgba, 4, 1, 0)[3], 0);    // nothing there reaches even 0
  EXPECT_EQ(texel(rgba, 4, 0, 2)[3], 255);  // blue is there and reaches 0
  rgba = decode(file, 4, 255, blue + 1);
  EXPECT_EQ(texel(rgba, 4, 0, 2)[3], 0);  // the missing 255s do not count

  // Headers only: every texel white.
  file.resize(54);
  rgba = decode(file, 4);
  for (unsigned char byte : rgba) ASSERT_EQ(byte, 255);
}

TEST(BmpDecoder, RefusesFilesThatAreNotUncompressed24BitOfTheSize) {
  const Picture picture = bmptest::numberedPicture(4);
  struct Case {
    const char* what;
    Header header;
  };
  std::vector<Case> cases;
  auto add = [&](const char* what, auto change) {
    Header header;
    change(header);
    cases.push_back({what, header});
  };
  add("32 bits a pixel", [](Header& h) { h.bitsPerPixel = 32; });
  add("8 bits a pixel", [](Header& h) { h.bitsPerPixel = 8; });
  add("run-length compressed", [](Header& h) { h.compression = 1; });
  add("bit fields", [](Header& h) { h.compression = 3; });
  add("no planes", [](Header& h) { h.planes = 0; });
  add("narrower", [](Header& h) { h.width = 3; });
  add("taller", [](Header& h) { h.height = 5; });
  add("old core header", [](Header& h) { h.infoHeaderBytes = 12; });
  add("pixels inside the headers", [](Header& h) { h.offset = 40; });
  add("pixels past the end", [](Header& h) { h.offset = 1000; });
  for (const Case& c : cases) {
    const std::vector<unsigned char> file = bmptest::bmpBytes(picture, c.header);
    std::vector<unsigned char> rgba(7);
    EXPECT_FALSE(decodeBmp(file.data(), file.size(), 4, -1, 0, rgba)) << c.what;
    EXPECT_TRUE(rgba.empty()) << c.what;
  }

  const std::vector<unsigned char> good = bmptest::bmpBytes(picture);
  std::vector<unsigned char> rgba;
  EXPECT_FALSE(decodeBmp(good.data(), good.size(), 8, -1, 0, rgba)) << "asked for another size";
  EXPECT_FALSE(decodeBmp(good.data(), 53, 4, -1, 0, rgba)) << "headers cut short";
  std::vector<unsigned char> notBmp = good;
  notBmp[0] = 'P';
  EXPECT_FALSE(decodeBmp(notBmp.data(), notBmp.size(), 4, -1, 0, rgba)) << "no signature";
  std::vector<unsigned char> hugeHeader = good;
  bmptest::put(hugeHeader, 14, 0x7FFFFFF0, 4);
  EXPECT_FALSE(decodeBmp(hugeHeader.data(), hugeHeader.size(), 4, -1, 0, rgba))
      << "info header longer than the file";
  EXPECT_FALSE(decodeBmp(nullptr, 0, 4, -1, 0, rgba));
}
