#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "picture.h"

// The font texture's cells are sampled 1.28 texels to the right of and below their own corner,
// so a cell's first two columns and its top line show at the edge of the neighbouring glyphs.
// Glyphs are therefore drawn into columns 2 to 7 and lines 1 to 15 of their 8 x 16 cell.
namespace {

const int cellWidth = 8;
const int cellHeight = 16;
const int firstInkColumn = 2;
const int inkWidth = 6;
const int firstInkLine = 1;
const int baselineLine = 12;  // from the cell's top; descenders reach down to line 14
const int pixelSize = 12;     // em height in texels: capitals 9 tall

// Codes 33 to 126 get their ASCII glyph. The space, 127 and the control codes 128 to 159 stay
// empty; code 138's cell is what a newline shows, so it must leave no mark.
bool hasGlyph(int code) {
  return code > 32 && code < 127;
}

void drawGlyph(FT_Face face, int code, Picture& picture) {
  if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) {
    return;
  }
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  const int index = code - 32;
  const int cellX = (index % 16) * cellWidth;
  const int cellY = (index / 16) * cellHeight;

  // Keep the whole ink inside the cell's ink area, moving it in rather than cutting it.
  int left = firstInkColumn + slot->bitmap_left;
  left = std::min(left, firstInkColumn + inkWidth - static_cast<int>(bitmap.width));
  left = std::max(left, firstInkColumn);
  const int top = baselineLine - slot->bitmap_top;

  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const int line = top + static_cast<int>(row);
    if (line < firstInkLine || line >= cellHeight) continue;
    for (unsigned column = 0; column < bitmap.width; ++column) {
      const int x = left + static_cast<int>(column);
      if (x < firstInkColumn || x >= firstInkColumn + inkWidth) continue;
      const unsigned char coverage = bitmap.buffer[row * bitmap.pitch + column];
      picture.at(cellX + x, cellY + line) = coverage;
    }
  }
}

}  // namespace

bool makeFontPicture(const char* fontPath, Picture& picture) {
  FT_Library library;
  if (FT_Init_FreeType(&library)) return false;
  FT_Face face;
  if (FT_New_Face(library, fontPath, 0, &face) || FT_Set_Pixel_Sizes(face, 0, pixelSize)) {
    FT_Done_FreeType(library);
    return false;
  }
  // Narrow the glyphs so the font's advance fills the six ink columns exactly.
  const double advance =
      static_cast<double>(face->max_advance_width) / face->units_per_EM * pixelSize;
  FT_Matrix narrow;
  narrow.xx = static_cast<FT_Fixed>(inkWidth / advance * 65536.0);
  narrow.xy = 0;
  narrow.yx = 0;
  narrow.yy = 0x10000;
  FT_Set_Transform(face, &narrow, nullptr);

  std::fill(picture.grey.begin(), picture.grey.end(), 0);
  for (int code = 32; code < 160; ++code) {
    if (hasGlyph(code)) drawGlyph(face, code, picture);
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  return true;
}
