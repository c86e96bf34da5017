#include "controls/help_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "text/glyph_layout.h"
#include "text/text_overlay.h"
#include "text/text_scale.h"
#include "window/window.h"

int helpShown = 0;

namespace {

// Key names line up in a column with the font's fixed advance: the spaces are part of the texts.
const char* const listLines[helpLineCount - 1] = {
    "Special Controls for this (32 bitcolor) simulation:",
    " <PageUp/Down>  Adjust Main Speed",
    "     <F11/F12>  Adjust ScreenBlank Intensity (0-1)",
    "      <F9/F10>  Adjust Fog Distance",
    "            []  Adjust Object Size",
    "Standard Controls in most simulations where applicable:",
    "  unshifted <>  Adjust Screen Magnification",
    "            -=  Adjust Universe Rotate Speed",
    "    shift   _+  Adjust Universe Movement Speed",
    "    shift   {}  Adjust Closeness (Camera Z)",
    "    shift   <>  Adjust Tesselation",
    "             c  Clock: Toggle Frame-Per-Seconds",
    "             f  FullScreen/Window Toggle",
    "             l  Letterbox: Adjust Size 0-6",
    "             p  Pause: Toggle On/Off",
    "    <ESC> or q  EXIT after fade, hit twice for quick exit",
    "             r  Reset/Randomize all parameters",
    "             t  Texture: Toggle On-Off",
    "             u  Universe: Toggle Stars On/Off",
    "             w  Wireframe/Points/PolyGon Mode Toggle",
    "        <SPACE> Toggle Hyperspace (non-blanking)",
    "   -------------------------------------------------------- ",
    "   Gyrotrak, 2026",
    "   Free software under the MIT licence",
    "   <?> to return",
};

const short titleX = 20, listX = 30;
const short lineStep = 16;
const short titleSize = 30, listSize = 18;
const int firstGroupLines = 5;  // the special controls, set apart from the standard ones
const float smallestScale = 0.5f;
const int margin = 2;  // pixels kept clear at the right and bottom edges

}  // namespace

std::array<HelpLine, helpLineCount> helpPage(int height, float scale) {
  auto scaled = [scale](double n) { return scaledPixels(n, scale); };
  std::array<HelpLine, helpLineCount> page;
  const short top = static_cast<short>(height * 0.09);
  page[0] = {"Gyrotrak", scaled(titleX), top, titleSize * scale};

  // Each line's distance below the title at scale 1, scaled once, so that rounding does not
  // add up down the page.
  short below = static_cast<short>(lineStep * 1.4);
  for (int i = 0; i < helpLineCount - 1; ++i) {
    page[i + 1] = {listLines[i], scaled(listX), static_cast<short>(top + scaled(below)),
                   listSize * scale};
    below = static_cast<short>(below + lineStep);
    if (i + 1 == firstGroupLines) below = static_cast<short>(below + lineStep * 0.3);
  }
  return page;
}

float helpPageScale(int width, int height, float scale) {
  // The page's extent at scale 1 below its first line's place, and to the right; both grow in
  // proportion to the scale.
  const std::array<HelpLine, helpLineCount> page = helpPage(height, 1);
  double right = 0;
  for (const HelpLine& line : page) {
    // A trailing space shows nothing.
    char shown[80];
    std::snprintf(shown, sizeof shown, "%s", line.text);
    for (size_t n = std::strlen(shown); n > 0 && shown[n - 1] == ' '; --n) shown[n - 1] = '\0';
    right = std::max(right, textRightEdge(shown, line.x, line.size, 3));
  }
  const double depth = page[helpLineCount - 1].y - page[0].y;
  const double room = height - margin - page[0].y;
  const double fitting = std::min((width - margin) / right, room / depth);
  return static_cast<float>(std::max<double>(smallestScale, std::min<double>(scale, fitting)));
}

void drawHelpScreen() {
  textOverlay.rememberText = 0;
  const float scale = helpPageScale(windowWidth, windowHeight, textScale);
  const float slant = textOverlay.slant;
  textOverlay.slant = 3 * scale;
  for (const HelpLine& line : helpPage(windowHeight, scale))
    textOverlay.drawText(line.text, line.x, line.y, line.size);
  textOverlay.slant = slant;
  textOverlay.rememberText = 1;
}
