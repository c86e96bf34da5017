#include <gtest/gtest.h>

#include <string>

#include "window/window_internal.h"

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
