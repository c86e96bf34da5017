#include "textures/bmp_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "textures/bmp_decoder.h"

namespace {

// How much of a file's image can be used.
enum class BmpImage { unusable, cutShort, whole };

// Opens fileName for reading when it is a regular file, and tells its length. Anything else by
// that name (a FIFO, a device, a folder) is refused without reading it. Opening does not block.
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
BmpImage readBmpImage(std::FILE* file, std::size_t length, int size, int alphaValue,
                      int alphaThreshold, std::vector<unsigned char>& image) {
  unsigned char headers[bmpHeaderBytes];
  BmpLayout layout{};
  if (std::fread(headers, 1, sizeof headers, file) != sizeof headers) return BmpImage::unusable;
  if (!parseBmpHeaders(headers, sizeof headers, length, size, layout)) return BmpImage::unusable;

  std::vector<unsigned char> pixels(std::min(bmpPixelBytes(size), length - layout.offset));
  if (std::fseek(file, static_cast<long>(layout.offset), SEEK_SET) != 0) {
    return BmpImage::unusable;
  }
  pixels.resize(std::fread(pixels.data(), 1, pixels.size(), file));
  if (std::ferror(file)) return BmpImage::unusable;
  decodeBmpPixels(pixels.data(), pixels.size(), size, layout, alphaValue, alphaThreshold, image);
  return pixels.size() < bmpPixelBytes(size) ? BmpImage::cutShort : BmpImage::whole;
}

BmpImage readBmpFile(const char* path, int size, int alphaValue, int alphaThreshold,
                     std::vector<unsigned char>& image) {
  image.clear();
  std::size_t length = 0;
  std::FILE* file = openRegularFile(path, length);
  if (file == nullptr) return BmpImage::unusable;
  const BmpImage read = readBmpImage(file, length, size, alphaValue, alphaThreshold, image);
  std::fclose(file);
  return read;
}

}  // namespace

int readFirstUsableBmp(const std::vector<std::string>& paths, int size, int alphaValue,
                       int alphaThreshold, std::vector<unsigned char>& rgba) {
  rgba.clear();
  int firstCutShort = -1;  // its image waits in rgba while a whole one is looked for
  std::vector<unsigned char> image;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const BmpImage read = readBmpFile(paths[i].c_str(), size, alphaValue, alphaThreshold, image);
    if (read == BmpImage::whole) {
      rgba.swap(image);
      return static_cast<int>(i);
    }
    if (read == BmpImage::cutShort && firstCutShort < 0) {
      rgba.swap(image);
      firstCutShort = static_cast<int>(i);
    }
  }
  return firstCutShort;
}
