#include "textures/bmp_texture.h"

#include <string>
#include <vector>

#include "textures/bmp_file.h"
#include "textures/data_files.h"
#include "textures/texture_upload.h"

namespace {

GLuint loadFirstUsable(const std::vector<std::string>& paths, int size, int alphaValue,
                       int alphaThreshold, bool mipmapped) {
  std::vector<unsigned char> image;
  const int read = readFirstUsableBmp(paths, size, alphaValue, alphaThreshold, image);
  return read < 0 ? 0 : uploadRgbaTexture(image.data(), size, mipmapped);
}

}  // namespace

GLuint loadBmpTexture(const char* fileName, int size, int alphaValue, int alphaThreshold,
                      bool mipmapped) {
  if (fileName == nullptr) return 0;
  return loadFirstUsable({fileName}, size, alphaValue, alphaThreshold, mipmapped);
}

GLuint loadDataTexture(const char* name, int size, int alphaValue, int alphaThreshold,
                       bool mipmapped) {
  return loadFirstUsable(dataFilePaths(name), size, alphaValue, alphaThreshold, mipmapped);
}
