#include "controls/help_screen.h"

#include "app/startup.h"
#include "text/text_overlay.h"

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

}  // namespace

std::array<HelpLine, helpLineCount> helpPage(int windowHeight) {
  std::array<HelpLine, helpLineCount> page;
  const short top = static_cast<short>(windowHeight * 0.09);
  page[0] = {"Gyrotrak", titleX, top, titleSize};

  short y = static_cast<short>(top + static_cast<short>(lineStep * 1.4));
  for (int i = 0; i < helpLineCount - 1; ++i) {
    page[i + 1] = {listLines[i], listX, y, listSize};
    y = static_cast<short>(y + lineStep);
    if (i + 1 == firstGroupLines) y = static_cast<short>(y + static_cast<short>(lineStep * 0.3));
  }
  return page;
}

void drawHelpScreen() {
  textOverlay.rememberText = 0;
  for (const HelpLine& line : helpPage(windowHeight))
    textOverlay.drawText(line.text, line.x, line.y, line.size);
  textOverlay.rememberText = 1;
}
