#include "textures/bmp_texture.h"

#include <cstddef>
#include <cstdio>
#include <vector>

#include "textures/bmp_decoder.h"
#include "textures/texture_upload.h"

namespace {

// Far more than a 256 x 256 24-bit file needs (192 KiB); anything longer is not such a file.
const std::size_t largestFileBytes = 16u << 20;

// Reads the whole file; false when it cannot be opened, read, or is longer than the cap.
bool readWholeFile(const char* fileName, std::vector<unsigned char>& bytes) {
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return false;
  bytes.clear();
  unsigned char chunk[65536];
  bool fits = true;
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    if (got == 0) break;
    if (bytes.size() + got > largestFileBytes) {
      fits = false;
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return fits && !failed;
}

}  // namespace

GLuint loadBmpTexture(const char* fileName, int size, int alphaValue, int alphaThreshold,
                      bool mipmapped) {
  std::vector<unsigned char> bytes;
  if (fileName == nullptr || !readWholeFile(fileName, bytes)) return 0;
  std::vector<unsigned char> image;
  if (!decodeBmp(bytes.data(), bytes.size(), size, alphaValue, alphaThreshold, image)) return 0;
  return uploadRgbaTexture(image.data(), size, mipmapped);
}
