#include "window/full_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "window/window.h"

// Two monitors side by side, a third below the right one (a gap below the left), and one of no
// size, which holds nothing. Each point gets the origin of the rectangle chosen for it.
TEST(MonitorAt, TheMonitorUnderThePointElseTheNearestElseTheScreen) {
  const ScreenRectangle monitors[] = {
      {0, 0, 1024, 768}, {1024, 0, 1280, 1024}, {1024, 1024, 1280, 1024}, {500, 900, 0, 0}};
  const ScreenRectangle screen = {0, 0, 2304, 2048};
  const int points[][2] = {{0, 0},       {1023, 767}, {1024, 0},    {2303, 1023},
                           {2303, 1024}, {500, 900},  {1000, 1500}, {-5, -5}};
  std::string chosen;
  for (const auto& point : points) {
    const ScreenRectangle area = monitorAt(monitors, 4, point[0], point[1], screen);
    chosen += std::to_string(area.x) + "," + std::to_string(area.y) + " ";
  }
  EXPECT_EQ(chosen, "0,0 0,0 1024,0 1024,0 1024,1024 0,0 1024,1024 0,0 ");
  EXPECT_EQ(monitorAt(nullptr, 0, 10, 10, screen).width, 2304);
}

// The window -geometry asks for, and where it goes with no window manager where it gives no place.
TEST(OwnWindow, TheGeometrysSizeAndElseAWindowCentredOnTheMonitor) {
  const struct {
    const char* geometry;
    AskedWindow asked;
  } cases[] = {{nullptr, {512, 512, false}},   {"300x200+40+30", {300, 200, true}},
               {"300x200", {300, 200, false}}, {"+40+30", {512, 512, true}},
               {"0x0-0-0", {512, 512, true}},  {"99999x300", {512, 300, false}},
               {"junk", {512, 512, false}}};
  for (const auto& c : cases) {
    const AskedWindow asked = askedWindow(c.geometry);
    EXPECT_EQ(std::to_string(asked.width) + "x" + std::to_string(asked.height) + " " +
                  std::to_string(asked.placed),
              std::to_string(c.asked.width) + "x" + std::to_string(c.asked.height) + " " +
                  std::to_string(c.asked.placed))
        << (c.geometry ? c.geometry : "none");
  }
  const ScreenRectangle below = {0, 1080, 1920, 1080};
  const ScreenRectangle centred = windowCentredOn(below, 512, 512);
  EXPECT_EQ(centred.x * 10000 + centred.y, 704 * 10000 + 1364);
  const ScreenRectangle large = windowCentredOn(below, 2000, 512);
  EXPECT_EQ(large.x * 10000 + large.y, 0 * 10000 + 1364);
}
