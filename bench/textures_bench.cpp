// Times the image work done on the CPU: the cloud-puff sprite (once at start), one flare
// animation step (up to fourteen times a second) and decoding the globe's picture.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "base/random.h"
#include "textures/bmp_decoder.h"
#include "textures/flare_image.h"
#include "textures/procedural_texture.h"

namespace {

template <class Work>
void report(const char* what, int repeats, Work work) {
  work();  // warm up
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repeats; ++i) work();
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  std::printf("%-28s %9.3f ms per call (%d calls)\n", what, spent.count() / repeats, repeats);
}

}  // namespace

int main() {
  seedRandom(1);
  std::vector<unsigned char> sprite(spriteBytes);
  report("cloud-puff sprite", 50, [&] { fillCloudPuffImage(sprite.data()); });
  report("glow sprite", 200, [&] { fillGlowImage(sprite.data()); });

  auto flare = std::make_unique<FlareState>();
  std::memset(flare.get(), 0, sizeof(FlareState));
  report("flare animation step", 2000, [&] { stepFlareImage(*flare); });

  std::vector<unsigned char> file;
  if (std::FILE* in = std::fopen(GYROTRAK_DATA_DIR "/earthCloudsBW_256.bmp", "rb")) {
    for (int c = std::fgetc(in); c != EOF; c = std::fgetc(in)) file.push_back(c);
    std::fclose(in);
    std::vector<unsigned char> rgba;
    report("decode 256 x 256 BMP", 200,
           [&] { decodeBmp(file.data(), file.size(), 256, 255, 0, rgba); });
  }
  return 0;
}
