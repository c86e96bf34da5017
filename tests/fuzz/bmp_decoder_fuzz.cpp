// libFuzzer target for the image decoding: any bytes, as the whole file (decodeBmp) and as the
// loader reads a file (headers first, then only the pixel bytes they point at), at both sizes
// the program asks for. Besides the sanitizers' checks, a decoded image must
// have exactly size x size texels and a refused one none.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "textures/bmp_decoder.h"

namespace {

void decodeAsTheLoaderDoes(const std::uint8_t* data, std::size_t size, int side, int alpha) {
  BmpLayout layout{};
  if (size < bmpHeaderBytes || !parseBmpHeaders(data, bmpHeaderBytes, size, side, layout)) return;
  if (layout.offset > size) std::abort();
  std::size_t available = size - layout.offset;
  if (available > bmpPixelBytes(side)) available = bmpPixelBytes(side);
  std::vector<unsigned char> rgba;
  decodeBmpPixels(data + layout.offset, available, side, layout, alpha, 0, rgba);
  if (rgba.size() != static_cast<std::size_t>(side) * side * 4) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<unsigned char> rgba;
  // Either alpha rule, by the input's length, so each input decodes once per size and path.
  const int alpha = size % 2 ? -1 : 255;
  for (int side : {128, 256}) {
    const bool decoded = decodeBmp(data, size, side, alpha, 0, rgba);
    const std::size_t expected = decoded ? static_cast<std::size_t>(side) * side * 4 : 0;
    if (rgba.size() != expected) std::abort();
    decodeAsTheLoaderDoes(data, size, side, alpha);
  }
  return 0;
}
