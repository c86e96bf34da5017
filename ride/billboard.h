#pragma once

#include <GL/gl.h>

// A square of half-width halfSize centred at (x, y, z) that faces the viewer, drawn additively
// with the current colour; textured with `texture` while the textures switch is on. Depth is
// tested but not written, so it glows over what lies behind without hiding anything.
void drawBillboard(GLuint texture, float x, float y, float z, float halfSize);
