#pragma once

#include <string>
#include <vector>

// Reads size x size images from BMP files into RGBA texels, with no GL, for the loader. Only
// what an image needs is read: the headers, then the pixel rows from where they say. Anything
// but a regular file is refused unread (a FIFO would block start-up, a device might never end).
// The texels and the alpha rule are decodeBmp's (bmp_decoder.h).

// Reads the first image among paths that can be used, one that cannot counting as missing:
// the first whole image, or, when none is whole, the first cut short in its pixels (decoded as
// the decoder describes a file cut short). A file that cannot be opened, is not a regular file
// or is refused by the decoder cannot be used. Each file is read at most once, and none after
// the first whole image. Returns that image's index in paths, or -1, leaving rgba empty.
int readFirstUsableBmp(const std::vector<std::string>& paths, int size, int alphaValue,
                       int alphaThreshold, std::vector<unsigned char>& rgba);
