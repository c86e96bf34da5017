// The real font.bmp as the program shows it: text drawn by the program's own drawText on the
// real context and read back with glReadPixels. An OCR engine (Debian's tesseract) must read
// words, digits and punctuation back as they were drawn, and every printable glyph must show
// full-brightness strokes and differ from all the others.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tests/gl/gl_context.h"
#include "text/text_overlay.h"
#include "textures/bmp_texture.h"
#include "window/window.h"

namespace {

const short penX = 4;
const int gap = 4;  // dark pixels above and below the glyphs in the read-back strip

// Brightness read back from the window's top left; row 0 is the top row.
struct Strip {
  int width = 0, height = 0;
  std::vector<unsigned char> grey;
  int at(int x, int y) const { return grey[static_cast<size_t>(y) * width + x]; }
};

void requireTesseract() {
  ASSERT_EQ(std::system("tesseract --version >/dev/null 2>&1"), 0)
      << "tesseract is missing (Debian's tesseract-ocr, installed by ./test)";
}

void useRealFont() {
  ASSERT_EQ(chdir(GYROTRAK_DATA_DIR), 0);
  textOverlay.fontTexture = loadDataTexture("font.bmp", 128, -1, 0, false);
  ASSERT_NE(textOverlay.fontTexture, 0u);
  textOverlay.rememberText = 0;
}

// Draws text in white on black at the window's top left and reads back the strip it covers.
Strip drawnStrip(const std::string& text, float size) {
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  textOverlay.drawText(text.c_str(), penX, static_cast<short>(gap + size), size);
  Strip strip;
  strip.width = static_cast<int>(2 * penX + text.size() * size * 0.45f + size);
  strip.height = static_cast<int>(size) + 2 * gap;
  EXPECT_LE(strip.width, windowWidth) << text;
  strip.width = std::min(strip.width, windowWidth);
  std::vector<unsigned char> rgb(static_cast<size_t>(strip.width) * strip.height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, windowHeight - strip.height, strip.width, strip.height, GL_RGB, GL_UNSIGNED_BYTE,
               rgb.data());
  strip.grey.resize(static_cast<size_t>(strip.width) * strip.height);
  for (int y = 0; y < strip.height; ++y) {
    const unsigned char* row = &rgb[static_cast<size_t>(strip.height - 1 - y) * strip.width * 3];
    for (int x = 0; x < strip.width; ++x) {
      strip.grey[static_cast<size_t>(y) * strip.width + x] =
          static_cast<unsigned char>((row[3 * x] + row[3 * x + 1] + row[3 * x + 2]) / 3);
    }
  }
  return strip;
}

// The strip as tesseract reads small text best: enlarged with bilinear filtering, dark text on
// white, in a white frame. A binary PGM.
std::string pgmForOcr(const Strip& strip, int scale) {
  const int frame = 12;
  const int width = strip.width * scale + 2 * frame, height = strip.height * scale + 2 * frame;
  std::string pgm = "P5 " + std::to_string(width) + " " + std::to_string(height) + " 255\n";
  const size_t header = pgm.size();
  pgm.resize(header + static_cast<size_t>(width) * height, static_cast<char>(255));
  auto source = [&](int out, int size, int& first, float& weight) {
    const float at = std::clamp((out + 0.5f) / scale - 0.5f, 0.0f, size - 1.0f);
    first = std::min(static_cast<int>(at), size - 2);
    weight = at - first;
  };
  for (int y = 0; y < strip.height * scale; ++y) {
    int y0;
    float wy;
    source(y, strip.height, y0, wy);
    for (int x = 0; x < strip.width * scale; ++x) {
      int x0;
      float wx;
      source(x, strip.width, x0, wx);
      const float top = strip.at(x0, y0) * (1 - wx) + strip.at(x0 + 1, y0) * wx;
      const float bottom = strip.at(x0, y0 + 1) * (1 - wx) + strip.at(x0 + 1, y0 + 1) * wx;
      const float value = top * (1 - wy) + bottom * wy;
      pgm[header + static_cast<size_t>(y + frame) * width + x + frame] =
          static_cast<char>(255 - std::lround(value));
    }
  }
  return pgm;
}

// Tesseract prints straight quotes as typographic ones; put them back.
std::string straightQuotes(std::string text) {
  const std::pair<std::string, char> quotes[] = {
      {"\u201c", '"'}, {"\u201d", '"'}, {"\u2018", '\''}, {"\u2019", '\''}};
  for (const auto& [curly, straight] : quotes) {
    for (size_t at; (at = text.find(curly)) != std::string::npos;) {
      text.replace(at, curly.size(), 1, straight);
    }
  }
  return text;
}

// What tesseract reads in each image, taken as a single line of text. One run reads them all
// (from a list of files), which spares loading its model for every line.
std::vector<std::string> ocr(const std::vector<std::string>& pgms) {
  char directory[] = "/tmp/gyrotrak-ocr-XXXXXX";
  if (mkdtemp(directory) == nullptr) return {"(no temporary folder)"};
  const std::string list = std::string(directory) + "/images.txt";
  std::vector<std::string> files;
  std::FILE* listFile = std::fopen(list.c_str(), "w");
  for (const std::string& pgm : pgms) {
    files.push_back(std::string(directory) + "/line" + std::to_string(files.size()) + ".pgm");
    if (std::FILE* out = std::fopen(files.back().c_str(), "wb")) {
      std::fwrite(pgm.data(), 1, pgm.size(), out);
      std::fclose(out);
    }
    if (listFile != nullptr) std::fprintf(listFile, "%s\n", files.back().c_str());
  }
  std::string text;
  if (listFile != nullptr) {
    std::fclose(listFile);
    // One thread: the same images always give the same reading.
    const std::string command =
        "OMP_THREAD_LIMIT=1 tesseract " + list + " stdout --psm 7 2>/dev/null";
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[256];
      while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
      pclose(pipe);
    }
  }
  for (const std::string& file : files) std::remove(file.c_str());
  std::remove(list.c_str());
  rmdir(directory);

  // Form feeds separate the images' texts.
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\f', start), text.size());
    std::string line = text.substr(start, end - start);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    lines.push_back(straightQuotes(line));
    start = end + 1;
  }
  return lines;
}

// The lines drawn at size and read back by tesseract, which wants capitals some 40 pixels or
// more tall: the small sizes are enlarged four times, the title size is read as it is.
std::vector<std::string> readBack(const std::vector<std::string>& lines, float size) {
  std::vector<std::string> pgms;
  for (const std::string& line : lines)
    pgms.push_back(pgmForOcr(drawnStrip(line, size), size < 40 ? 4 : 1));
  return ocr(pgms);
}

}  // namespace

// The message line is drawn at size 20 and the help page at 18. Between them the lines hold
// every letter, digit and mark but % & @ ^ ` { | } ~, which tesseract does not read reliably on
// their own (the last test covers them).
TEST(FontLegibility, OcrReadsTextAtTheMessageAndHelpSizes) {
  requireTesseract();
  useRealFont();
  const std::vector<std::string> lines = {
      "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG",
      "Sphinx of black quartz, judge my vow!",
      "0123456789",
      "Frame/Second Camera Dim",
      "Press ? key for Help Screen",
      "(see <PageUp/Down> [key])",
      "Adjust ScreenBlank Intensity (0-1)",
      "x = y; a, b: c! d? e.",
      "#1 $2 *5 +6 a_b a\\b",
      "it's \"on\" now",
  };
  EXPECT_EQ(readBack(lines, 18), lines);
  EXPECT_EQ(readBack(lines, 20), lines);
}

// The start-up title glides across at size 60.
TEST(FontLegibility, OcrReadsTextAtTheTitleSize) {
  requireTesseract();
  useRealFont();
  const std::vector<std::string> lines = {
      "Gyrotrak",
      "THE QUICK BROWN FOX",
      "JUMPS OVER THE LAZY DOG",
      "the quick brown fox",
      "jumps over the lazy dog",
      "0123456789",
      "x = y; a, b: c! d? e.",
  };
  EXPECT_EQ(readBack(lines, 60), lines);
}

// What OCR cannot judge: every glyph drawn alone reaches full brightness, and any two glyphs
// differ, at half brightness, in at least the pixels of two texels (a comma and a semicolon
// differ by a dot).
TEST(FontLegibility, EveryGlyphIsBrightAndUnlikeTheOthers) {
  useRealFont();
  for (float size : {18.0f, 20.0f, 60.0f}) {
    std::vector<std::vector<bool>> shapes;
    for (int code = 33; code < 127; ++code) {
      const Strip strip = drawnStrip(std::string(1, static_cast<char>(code)), size);
      EXPECT_EQ(*std::max_element(strip.grey.begin(), strip.grey.end()), 255)
          << "glyph " << static_cast<char>(code) << " at size " << size;
      std::vector<bool> shape;
      for (unsigned char grey : strip.grey) shape.push_back(grey >= 128);
      shapes.push_back(shape);
    }
    const float texelPixels = (size / 16) * (size / 16);
    for (size_t a = 0; a < shapes.size(); ++a) {
      for (size_t b = a + 1; b < shapes.size(); ++b) {
        int differ = 0;
        for (size_t i = 0; i < shapes[a].size(); ++i) differ += shapes[a][i] != shapes[b][i];
        EXPECT_GE(differ, 2 * texelPixels) << "glyphs " << static_cast<char>(a + 33) << " and "
                                           << static_cast<char>(b + 33) << " at size " << size;
      }
    }
  }
}
