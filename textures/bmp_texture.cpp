#include "textures/bmp_texture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "textures/bmp_decoder.h"
#include "textures/texture_upload.h"

namespace {

// Opens fileName for reading when it is a regular file, and tells its length. Anything else by
// that name (a FIFO, a device, a folder) is refused without reading it: a FIFO would block
// start-up until something wrote to it, a device might never end. Opening does not block.
std::FILE* openRegularFile(const char* fileName, std::size_t& length) {
  const int descriptor = open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status;
  if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(descriptor);
    return nullptr;
  }
  std::FILE* file = fdopen(descriptor, "rb");
  if (file == nullptr) {
    close(descriptor);
    return nullptr;
  }
  length = static_cast<std::size_t>(status.st_size);
  return file;
}

// Reads what the image needs and nothing more: the headers, then the pixel rows from where
// the headers say they start. Bytes after the pixels (trailing data) are never read; a file
// cut short decodes with its missing bytes as the decoder describes.
bool readBmpImage(std::FILE* file, std::size_t length, int size, int alphaValue, int alphaThreshold,
                  std::vector<unsigned char>& image) {
  unsigned char headers[bmpHeaderBytes];
  BmpLayout layout{};
  if (std::fread(headers, 1, sizeof headers, file) != sizeof headers) return false;
  if (!parseBmpHeaders(headers, sizeof headers, length, size, layout)) return false;

  std::vector<unsigned char> pixels(std::min(bmpPixelBytes(size), length - layout.offset));
  if (std::fseek(file, static_cast<long>(layout.offset), SEEK_SET) != 0) return false;
  pixels.resize(std::fread(pixels.data(), 1, pixels.size(), file));
  if (std::ferror(file)) return false;
  decodeBmpPixels(pixels.data(), pixels.size(), size, layout, alphaValue, alphaThreshold, image);
  return true;
}

}  // namespace

GLuint loadBmpTexture(const char* fileName, int size, int alphaValue, int alphaThreshold,
                      bool mipmapped) {
  if (fileName == nullptr) return 0;
  std::size_t length = 0;
  std::FILE* file = openRegularFile(fileName, length);
  if (file == nullptr) return 0;
  std::vector<unsigned char> image;
  const bool read = readBmpImage(file, length, size, alphaValue, alphaThreshold, image);
  std::fclose(file);
  return read ? uploadRgbaTexture(image.data(), size, mipmapped) : 0;
}
