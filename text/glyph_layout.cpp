#include "text/glyph_layout.h"

namespace {

const double cellWidth = 1.0 / 16;  // in s
const double cellHeight = 1.0 / 8;  // in t
const double sampleOffset = 0.01;   // 1.28 texels of the 128-texel font image

}  // namespace

GlyphCell glyphCell(unsigned char c) {
  const unsigned char index = static_cast<unsigned char>(c - 32);
  GlyphCell cell;
  cell.column = index % 16;
  cell.row = index / 16;
  cell.s0 = cell.column * cellWidth + sampleOffset;
  cell.s1 = cell.s0 + cellWidth;
  cell.t0 = 1.0 - cellHeight - cell.row * cellHeight - sampleOffset;
  cell.t1 = cell.t0 + cellHeight;
  return cell;
}

short glyphBaseline(short y, int height) {
  return static_cast<short>(height - y);
}

GlyphQuad glyphQuad(unsigned char c, short penX, short baseline, float size, float slant) {
  const GlyphCell cell = glyphCell(c);
  const double width = size * 0.5;
  const double left = penX;
  const double bottom = baseline;
  const double top = bottom + size;
  return {{{left, bottom, cell.s0, cell.t0},
           {left + width, bottom, cell.s1, cell.t0},
           {left + width + slant, top, cell.s1, cell.t1},
           {left + slant, top, cell.s0, cell.t1}}};
}

short nextPenX(short penX, float size) {
  const double advance = size * 0.45;  // neighbouring glyphs overlap by 0.05 x size
  return static_cast<short>(static_cast<int>(penX + advance));
}
