#include "frame/title.h"

#include <cmath>

#include "base/frame_clock.h"
#include "text/text_overlay.h"
#include "text/text_scale.h"
#include "window/window.h"

TitlePosition titlePosition(float t, int width, int height) {
  return {static_cast<int>(t / 8 * width),
          static_cast<int>((std::sin(t * 2.5) * 0.1 + t / 8) * height)};
}

void drawStartupTitle() {
  if (elapsedTime >= 10) return;
  const TitlePosition at = titlePosition(elapsedTime, windowWidth, windowHeight);
  textOverlay.rememberText = 0;
  textOverlay.drawText("Gyrotrak", static_cast<short>(at.x), static_cast<short>(at.y),
                       60 * textScale);
  textOverlay.rememberText = 1;
}
