#pragma once

// Where the start-up title is drawn at time t (seconds) in a window of the given size: x from
// the left, y from the top. It glides from the top-left corner at an eighth of the window per
// second, bobbing by a tenth of the height.
struct TitlePosition {
  int x, y;
};
TitlePosition titlePosition(float t, int width, int height);

// Draws "Gyrotrak" during the first 10 seconds without touching the message line, its glyphs at
// the text scale.
void drawStartupTitle();
