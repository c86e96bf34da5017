#include <cstdio>
#include <vector>

#include "picture.h"

namespace {

void put(std::vector<unsigned char>& bytes, size_t at, unsigned value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

bool writeGreyBmp(const char* path, const Picture& picture, bool storeTopRowFirst) {
  const unsigned rowBytes = (picture.width * 3u + 3u) / 4u * 4u;
  const unsigned pixelBytes = rowBytes * picture.height;
  std::vector<unsigned char> file(54 + pixelBytes, 0);
  file[0] = 'B';
  file[1] = 'M';
  put(file, 2, static_cast<unsigned>(file.size()), 4);
  put(file, 10, 54, 4);  // pixel array offset
  put(file, 14, 40, 4);  // BITMAPINFOHEADER
  put(file, 18, picture.width, 4);
  put(file, 22, picture.height, 4);
  put(file, 26, 1, 2);   // planes
  put(file, 28, 24, 2);  // bits per pixel
  put(file, 30, 0, 4);   // uncompressed
  put(file, 34, pixelBytes, 4);
  put(file, 38, 2835, 4);  // 72 dots per inch
  put(file, 42, 2835, 4);
  for (int stored = 0; stored < picture.height; ++stored) {
    const int row = storeTopRowFirst ? stored : picture.height - 1 - stored;
    for (int x = 0; x < picture.width; ++x) {
      const unsigned char grey = picture.grey[static_cast<size_t>(row) * picture.width + x];
      for (int c = 0; c < 3; ++c) file[54 + stored * rowBytes + x * 3 + c] = grey;
    }
  }
  std::FILE* out = std::fopen(path, "wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written;
}
