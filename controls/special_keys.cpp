#include "controls/special_keys.h"

#include <GL/glut.h>

#include "base/parameters.h"
#include "controls/setting_step.h"

int heldArrows = 0;

namespace {

CommandMessage scaleFactor(float& factor, double by, const char* format) {
  factor = scaledSetting(factor, by);
  return realMessage(format, factor);
}

CommandMessage scaleFogDistance(Parameters& p, double by) {
  p.fogDistance = static_cast<float>(p.fogDistance * by);
  if (p.fogDistance < 0.0001) p.fogDistance = 0.0001f;
  if (p.fogDistance > 14) p.fogDistance = 14;
  return realMessage("Fog: %4.2f\n", p.fogDistance);
}

CommandMessage blankingMessage(const Parameters& p) {
  return realMessage("Blanking Percentage: %4.2f\n", p.blankIntensity * 100.0);
}

// The bit of an arrow key's code, 0 for any other key.
int arrowBit(int key) {
  switch (key) {
    case GLUT_KEY_LEFT:
      return 1;
    case GLUT_KEY_UP:
      return 2;
    case GLUT_KEY_RIGHT:
      return 4;
    case GLUT_KEY_DOWN:
      return 8;
    default:
      return 0;
  }
}

}  // namespace

CommandMessage adjustForSpecialKey(int key, Parameters& p) {
  switch (key) {
    case GLUT_KEY_F1:
      return scaleFactor(p.f1f2Factor, 0.9, "F1/F2: %4.2f\n");
    case GLUT_KEY_F2:
      return scaleFactor(p.f1f2Factor, 1.111111, "F1/F2: %4.2f\n");
    case GLUT_KEY_F3:
      return scaleFactor(p.f3f4Factor, 0.9, "F3/F4: %4.2f\n");
    case GLUT_KEY_F4:
      return scaleFactor(p.f3f4Factor, 1.111111, "F3/F4: %4.2f\n");
    case GLUT_KEY_F5:
      return scaleFactor(p.f5f6Factor, 0.9, "F5/F6: %4.2f\n");
    case GLUT_KEY_F6:
      return scaleFactor(p.f5f6Factor, 1.111111, "F5/F6: %4.2f\n");
    case GLUT_KEY_F7:
      return scaleFactor(p.f7f8Factor, 0.9, "F7/F8: %4.2f\n");
    case GLUT_KEY_F8:
      return scaleFactor(p.f7f8Factor, 1.111111, "F7/F8: %4.2f\n");
    case GLUT_KEY_F9:
      return scaleFogDistance(p, 0.95);
    case GLUT_KEY_F10:
      return scaleFogDistance(p, 1.05263);
    case GLUT_KEY_F11:
      p.blankIntensity = static_cast<float>(p.blankIntensity * 0.95);
      if (p.blankIntensity < 0) p.blankIntensity = 0;
      if (p.blankIntensity < 1) p.fullBlanking = 0;
      return blankingMessage(p);
    case GLUT_KEY_F12:
      p.blankIntensity = static_cast<float>(p.blankIntensity * 1.05263);
      if (p.blankIntensity >= 1) {
        p.blankIntensity = 1;
        p.fullBlanking = 1;
      }
      return blankingMessage(p);
    case GLUT_KEY_PAGE_UP:
      return scaleFactor(p.mainSpeed, 1.111111, "Main Speed: %4.2f\n");
    case GLUT_KEY_PAGE_DOWN:
      return scaleFactor(p.mainSpeed, 0.9, "Main Speed: %4.2f\n");
    case GLUT_KEY_HOME:
      return scaleFactor(p.homeEndFactor, 1.111111, "Home/End: %4.2f\n");
    case GLUT_KEY_END:
      return scaleFactor(p.homeEndFactor, 0.9, "Home/End: %4.2f\n");
    default:
      return noMessage();
  }
}

void specialKeyCallback(int key, int, int) {
  heldArrows |= arrowBit(key);
  postCommandMessage(adjustForSpecialKey(key, params));
}

void specialKeyUpCallback(int key, int, int) {
  heldArrows &= ~arrowBit(key);
}
