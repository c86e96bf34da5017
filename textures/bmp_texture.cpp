#include "textures/bmp_texture.h"

#include <vector>

#include "textures/bmp_file.h"
#include "textures/data_files.h"
#include "textures/texture_upload.h"

GLuint loadBmpTexture(const char* fileName, int size, int alphaValue, int alphaThreshold,
                      bool mipmapped) {
  if (fileName == nullptr) return 0;
  std::vector<unsigned char> image;
  const int read =
      readFirstUsableBmp(dataFilePathsFrom(fileName), size, alphaValue, alphaThreshold, image);
  return read < 0 ? 0 : uploadRgbaTexture(image.data(), size, mipmapped);
}
