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

// The title and the 25 lines below it at the given scale. Only the first line's distance from
// the top follows the window's height (9 % of height); at scale 1 the lines are a fixed 16 pixels
// apart.
constexpr int helpLineCount = 26;
std::array<HelpLine, helpLineCount> helpPage(int height, float scale);

// The scale the page is drawn at in a window width x height pixels: the text scale where the
// page fits at it, else the largest that fits, but never below half.
float helpPageScale(int width, int height, float scale);

// Draws the page over the picture in the text's current style, at the scale that fits the
// window, without touching the message line.
void drawHelpScreen();
