#pragma once

#include <cstddef>

// Where the glyphs of a text go: one quad per byte, in window pixels with the origin at the
// bottom-left, and the font cell each quad samples. No GL here; drawText turns it into quads.

// The font texture is a 16 x 8 grid of cells; byte c shows cell (c - 32) mod 256. Rows 8 to 15
// lie below t = 0 and repeat rows 0 to 7 through the texture's wrap mode.
struct GlyphCell {
  int column;
  int row;
  double s0, s1;  // left and right edge, moved 0.01 to the right of the cell
  double t0, t1;  // bottom and top edge, moved 0.01 below the cell
};
GlyphCell glyphCell(unsigned char c);

// Corners in the order they are drawn: bottom-left, bottom-right, top-right, top-left.
struct GlyphVertex {
  double x, y;
  double s, t;
};
struct GlyphQuad {
  GlyphVertex corners[4];
};

// The glyphs' bottom edge in window coordinates for a text y pixels below the top of a window
// height pixels high, kept in 16 bits like the pen.
short glyphBaseline(short y, int height);

// The quad of byte c with its left edge at penX; size is the glyph height in pixels and slant
// moves the top edge to the right.
GlyphQuad glyphQuad(unsigned char c, short penX, short baseline, float size, float slant);

// The pen after one glyph: advances 0.45 x size and drops the fraction, in 16 bits.
short nextPenX(short penX, float size);

// Calls emit(quad) for every byte of text, spaces and newlines included.
template <class Emit>
void layoutGlyphs(const char* text, short x, short baseline, float size, float slant, Emit emit) {
  short pen = x;
  for (const char* p = text; *p != '\0'; ++p) {
    emit(glyphQuad(static_cast<unsigned char>(*p), pen, baseline, size, slant));
    pen = nextPenX(pen, size);
  }
}

// The right edge of text's last glyph drawn from x at the given size and slant; x for no text.
inline double textRightEdge(const char* text, short x, float size, float slant) {
  double right = x;
  layoutGlyphs(text, x, 0, size, slant, [&right](const GlyphQuad& quad) {
    if (quad.corners[2].x > right) right = quad.corners[2].x;
  });
  return right;
}
