#include "textures/bmp_texture.h"

#include <string>
#include <vector>

#include "textures/bmp_file.h"
#include "textures/data_files.h"
#include "textures/texture_upload.h"

GLuint loadDataTexture(const char* name, int size, int alphaValue, int alphaThreshold,
                       bool mipmapped) {
  std::vector<unsigned char> image;
  const int read = readFirstUsableBmp(dataFilePaths(name), size, alphaValue, alphaThreshold, image);
  return read < 0 ? 0 : uploadRgbaTexture(image.data(), size, mipmapped);
}
