#pragma once

// Builds BMP files in memory for the loader's tests, header variants included.

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace bmptest {

using Rgb = std::array<unsigned char, 3>;

// A picture row 0 at the top, as a person looks at it.
struct Picture {
  int side;
  std::vector<Rgb> pixels;  // row-major
  Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * side + x]; }
};

// Every pixel different, so misplaced rows, columns or channels show.
inline Picture numberedPicture(int side) {
  Picture picture{side, {}};
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      picture.pixels.push_back({static_cast<unsigned char>(x), static_cast<unsigned char>(y),
                                static_cast<unsigned char>(x * 7 + y * 3 + 1)});
    }
  }
  return picture;
}

struct Header {
  int infoHeaderBytes = 40;  // 40 BITMAPINFOHEADER, 108 V4, 124 V5
  int gapBytes = 0;          // between the headers and the pixels
  bool topDown = false;      // stores the picture's top row first, with a negative height
  int width = -1;            // -1: the picture's side
  int height = -1;
  int bitsPerPixel = 24;
  int compression = 0;
  int planes = 1;
  long offset = -1;  // -1: right after the headers and the gap
};

inline void put(std::vector<unsigned char>& bytes, size_t at, long value, int count) {
  for (int i = 0; i < count; ++i) {
    bytes[at + i] = static_cast<unsigned char>(static_cast<unsigned long>(value) >> (8 * i));
  }
}

inline std::vector<unsigned char> bmpBytes(const Picture& picture, const Header& header = {}) {
  const int side = picture.side;
  const size_t rowBytes = (side * 3 + 3) / 4 * 4;
  const size_t pixelStart = 14 + header.infoHeaderBytes + header.gapBytes;
  std::vector<unsigned char> bytes(pixelStart + rowBytes * side, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(bytes, 2, static_cast<long>(bytes.size()), 4);
  put(bytes, 10, header.offset < 0 ? static_cast<long>(pixelStart) : header.offset, 4);
  put(bytes, 14, header.infoHeaderBytes, 4);
  const int height = header.height < 0 ? side : header.height;
  put(bytes, 18, header.width < 0 ? side : header.width, 4);
  put(bytes, 22, header.topDown ? -height : height, 4);
  put(bytes, 26, header.planes, 2);
  put(bytes, 28, header.bitsPerPixel, 2);
  put(bytes, 30, header.compression, 4);
  put(bytes, 34, static_cast<long>(rowBytes * side), 4);
  for (int stored = 0; stored < side; ++stored) {
    const int y = header.topDown ? stored : side - 1 - stored;
    for (int x = 0; x < side; ++x) {
      const Rgb rgb = picture.at(x, y);
      unsigned char* pixel = &bytes[pixelStart + stored * rowBytes + x * 3];
      pixel[0] = rgb[2];  // blue, green, red
      pixel[1] = rgb[1];
      pixel[2] = rgb[0];
    }
  }
  return bytes;
}

// Writes bytes to a new file in a fresh temporary folder; returns its path, or "" on failure.
inline std::string writeTemporaryFile(const std::vector<unsigned char>& bytes,
                                      const char* name = "image.bmp") {
  char directory[] = "/tmp/gyrotrak-bmp-XXXXXX";
  if (mkdtemp(directory) == nullptr) return "";
  const std::string path = std::string(directory) + "/" + name;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return "";
  // An empty vector's data() may be null, which fwrite must not be given.
  const bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  std::fclose(out);
  return written ? path : "";
}

// Removes a file made by writeTemporaryFile and its folder.
inline void removeTemporaryFile(const std::string& path) {
  std::remove(path.c_str());
  rmdir(path.substr(0, path.rfind('/')).c_str());
}

}  // namespace bmptest
