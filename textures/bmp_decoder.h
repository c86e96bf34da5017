#pragma once

#include <cstddef>
#include <vector>

// Turns the bytes of a BMP file into RGBA texels, with no GL. Only an uncompressed 24-bit BMP
// of size x size pixels is accepted; its headers give where the pixels start and whether the
// rows run bottom-up (positive height) or top-down (negative height).
//
// The texels come out row-major, 4 bytes each, with the picture's top row as image row 0, so
// that OpenGL puts the top-left pixel at texture coordinates (0, 0) and t grows downwards
// through the picture. Red, green and blue are the file's; alpha follows the loader's rule:
// alphaValue < 0 takes alpha from brightness, (red + green + blue) / 3; otherwise a texel gets
// alphaValue where at least one channel reaches alphaThreshold, else 0.
//
// A file cut short in its pixels still decodes: every missing byte is 255 in the texel and,
// for the threshold rule, a missing channel counts as below any threshold of 0 or more.
//
// Returns false, leaving rgba empty, for anything else: no BMP signature, headers cut short,
// another size, depth or compression, or a pixel offset outside the file.
bool decodeBmp(const unsigned char* bytes, std::size_t length, int size, int alphaValue,
               int alphaThreshold, std::vector<unsigned char>& rgba);

// The same in two steps, for a loader that reads only what it needs: the headers, then the
// pixel bytes from where the headers say they start.

// Bytes at the start of a file that the headers are read from.
constexpr std::size_t bmpHeaderBytes = 54;

// Where the pixel rows start and in which order they run.
struct BmpLayout {
  std::size_t offset;  // from the start of the file
  bool topDown;        // the picture's top row is stored first
};

// Reads the headers (available bytes of them at the start of a file fileLength bytes long);
// false for anything decodeBmp refuses.
bool parseBmpHeaders(const unsigned char* headers, std::size_t available, std::size_t fileLength,
                     int size, BmpLayout& layout);

// Pixel bytes an image of size x size needs, rows padded to whole words.
std::size_t bmpPixelBytes(int size);

// Decodes the pixel bytes that start at layout.offset, available of them; missing bytes are
// handled as decodeBmp handles a file cut short.
void decodeBmpPixels(const unsigned char* pixels, std::size_t available, int size,
                     const BmpLayout& layout, int alphaValue, int alphaThreshold,
                     std::vector<unsigned char>& rgba);
