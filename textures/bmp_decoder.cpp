#include "textures/bmp_decoder.h"

#include <cstdint>

namespace {

const std::size_t fileHeaderBytes = 14;
const std::uint32_t smallestInfoHeader = 40;  // BITMAPINFOHEADER; V4 is 108, V5 is 124
const std::uint32_t uncompressed = 0;         // BI_RGB
const int largestSide = 4096;                 // far beyond the 256 the program asks for

std::uint32_t readUnsigned(const unsigned char* at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

std::int32_t readSigned32(const unsigned char* at) {
  return static_cast<std::int32_t>(readUnsigned(at, 4));
}

}  // namespace

bool parseBmpHeaders(const unsigned char* headers, std::size_t available, std::size_t fileLength,
                     int size, BmpLayout& layout) {
  if (headers == nullptr || size <= 0 || size > largestSide) return false;
  if (available < bmpHeaderBytes || fileLength < bmpHeaderBytes) return false;
  if (headers[0] != 'B' || headers[1] != 'M') return false;

  const std::uint32_t infoHeaderBytes = readUnsigned(headers + 14, 4);
  if (infoHeaderBytes < smallestInfoHeader || infoHeaderBytes > fileLength - fileHeaderBytes) {
    return false;
  }
  const std::int32_t width = readSigned32(headers + 18);
  const std::int32_t height = readSigned32(headers + 22);
  const std::uint32_t planes = readUnsigned(headers + 26, 2);
  const std::uint32_t bitsPerPixel = readUnsigned(headers + 28, 2);
  const std::uint32_t compression = readUnsigned(headers + 30, 4);
  if (width != size || (height != size && height != -size)) return false;
  if (planes != 1 || bitsPerPixel != 24 || compression != uncompressed) return false;

  // The pixels follow the headers (and any gap after them) and start inside the file; a file
  // that ends right there has every pixel missing, like any other file cut short.
  const std::uint32_t offset = readUnsigned(headers + 10, 4);
  if (offset < fileHeaderBytes + infoHeaderBytes || offset > fileLength) return false;

  layout.offset = offset;
  layout.topDown = height < 0;
  return true;
}

std::size_t bmpPixelBytes(int size) {
  const std::size_t side = size > 0 ? static_cast<std::size_t>(size) : 0;
  // Rows are padded to whole 4-byte words; the 128 and 256 pixel rows need no padding.
  return (side * 3 + 3) / 4 * 4 * side;
}

namespace {

unsigned char alphaOf(const int channels[3], const unsigned char rgb[3], int alphaValue,
                      int alphaThreshold) {
  if (alphaValue < 0) return static_cast<unsigned char>((rgb[0] + rgb[1] + rgb[2]) / 3);
  for (int i = 0; i < 3; ++i) {
    if (channels[i] >= alphaThreshold) return static_cast<unsigned char>(alphaValue);
  }
  return 0;
}

}  // namespace

void decodeBmpPixels(const unsigned char* pixels, std::size_t available, int size,
                     const BmpLayout& layout, int alphaValue, int alphaThreshold,
                     std::vector<unsigned char>& rgba) {
  const std::size_t side = static_cast<std::size_t>(size);
  const std::size_t rowBytes = bmpPixelBytes(size) / side;
  rgba.assign(side * side * 4, 0);

  for (std::size_t fileRow = 0; fileRow < side; ++fileRow) {
    // Bottom-up files store the picture's last row first; it becomes the last image row.
    const std::size_t imageRow = layout.topDown ? fileRow : side - 1 - fileRow;
    const std::size_t rowStart = fileRow * rowBytes;
    for (std::size_t column = 0; column < side; ++column) {
      const std::size_t pixel = rowStart + column * 3;
      // Blue, green, red in the file; -1 marks a byte past the end of the file.
      int channels[3];
      for (int i = 0; i < 3; ++i) {
        const std::size_t at = pixel + static_cast<std::size_t>(2 - i);
        channels[i] = at < available ? pixels[at] : -1;
      }
      unsigned char* texel = &rgba[(imageRow * side + column) * 4];
      for (int i = 0; i < 3; ++i) {
        texel[i] = channels[i] < 0 ? 255 : static_cast<unsigned char>(channels[i]);
      }
      texel[3] = alphaOf(channels, texel, alphaValue, alphaThreshold);
    }
  }
}

bool decodeBmp(const unsigned char* bytes, std::size_t length, int size, int alphaValue,
               int alphaThreshold, std::vector<unsigned char>& rgba) {
  rgba.clear();
  BmpLayout layout{};
  if (!parseBmpHeaders(bytes, length, length, size, layout)) return false;
  decodeBmpPixels(bytes + layout.offset, length - layout.offset, size, layout, alphaValue,
                  alphaThreshold, rgba);
  return true;
}
