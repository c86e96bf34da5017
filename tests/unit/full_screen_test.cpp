#include "window/full_screen.h"

#include <gtest/gtest.h>

#include <tuple>

// Two monitors side by side, a third below the right one (a gap below the left), and one of no
// size, which holds nothing. Each point gets the index of the monitor chosen for it.
TEST(MonitorAt, TheMonitorUnderThePointElseTheNearestElseTheScreen) {
  const std::vector<ScreenRectangle> monitors = {
      {0, 0, 1024, 768}, {1024, 0, 1280, 1024}, {1024, 1024, 1280, 1024}, {500, 900, 0, 0}};
  const ScreenRectangle screen = {0, 0, 2304, 2048};
  const auto key = [](ScreenRectangle r) { return std::make_tuple(r.x, r.y, r.width, r.height); };
  const int points[][2] = {{0, 0},       {1023, 767}, {1024, 0},    {2303, 1023},
                           {2303, 1024}, {500, 900},  {1000, 1500}, {-5, -5}};
  std::vector<int> chosen;
  for (const auto& point : points) {
    const ScreenRectangle area = monitorAt(monitors, point[0], point[1], screen);
    int index = -1;
    for (int i = 0; i < 4; ++i)
      if (key(area) == key(monitors[i])) index = i;
    chosen.push_back(index);
  }
  EXPECT_EQ(chosen, (std::vector<int>{0, 0, 1, 1, 2, 0, 2, 0}));
  EXPECT_EQ(key(monitorAt({}, 10, 10, screen)), key(screen));
}
