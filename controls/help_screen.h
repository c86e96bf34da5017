#pragma once

#include <array>

// 1 while the help page is drawn in every frame. Written by the "?", "/", Esc and "q" keys and
// the menu; reset leaves it.
extern int helpShown;

// One line of the page in drawText's terms: x from the left edge, y from the top edge down to
// the glyphs' bottom edge, glyph size in pixels.
struct HelpLine {
  const char* text;
  short x, y;
  float size;
};

// The title and the 25 lines below it. Only the first line's distance from the top follows the
// window's height (9 % of it); the lines are a fixed 16 pixels apart, so in a window lower than
// about 451 pixels the last ones fall off the bottom.
constexpr int helpLineCount = 26;
std::array<HelpLine, helpLineCount> helpPage(int windowHeight);

// Draws the page over the picture in the text's current style, without touching the message
// line.
void drawHelpScreen();
