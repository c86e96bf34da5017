#pragma once

// Reading drawn text back from feedback mode: the glyph quads a drawing call emitted, and the
// text their texture cells spell.

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/gl/gl_context.h"

namespace gltest {

inline std::vector<FeedbackPrimitive> drawnQuads(const std::function<void()>& draw) {
  return reassembleQuads(captureFeedback(draw));
}

// The byte whose font cell a glyph quad samples, from its bottom-left texture coordinate.
inline char glyphCode(const FeedbackPrimitive& quad) {
  const FeedbackVertex& v = quad.vertices[0];
  const int column = static_cast<int>(std::lround((v.s - 0.01) / 0.0625));
  const int row = static_cast<int>(std::lround((0.865 - v.t) / 0.125));
  return static_cast<char>((row * 16 + column + 32) & 255);
}

inline std::string textOf(const std::vector<FeedbackPrimitive>& quads) {
  std::string text;
  for (const FeedbackPrimitive& quad : quads) text += glyphCode(quad);
  return text;
}

}  // namespace gltest
