// The star field's display list read back through feedback mode.

#include "effects/star_field.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gl_context.h"

namespace {

// The list's points in world units and their colours, seen orthographically over the cube
// from -2 to 2 on a 400-pixel square.
std::vector<gltest::FeedbackVertex> replay(const StarField& stars) {
  glViewport(0, 0, 400, 400);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-2, 2, -2, 2, -2, 2);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  std::vector<gltest::FeedbackVertex> points;
  for (const auto& p : gltest::captureFeedback([&] { glCallList(stars.listId); })) {
    gltest::FeedbackVertex v = p.vertices[0];
    v.x = v.x / 100 - 2;
    v.y = v.y / 100 - 2;
    v.z = 2 - 4 * v.z;  // window depth 0 to 1 from z = 2 to z = -2
    points.push_back(v);
  }
  return points;
}

}  // namespace

TEST(StarField, FillsTheUpperHalfBallWithDimStars) {
  static StarField stars;
  stars.build(500, 1.5f, 0, upperHalfShell);
  const auto points = replay(stars);
  ASSERT_EQ(points.size(), 500u);
  for (const auto& v : points) {
    EXPECT_GE(v.y, -1e-3f);
    EXPECT_LE(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 1.5f + 2e-3f);
    for (float c : {v.r, v.g, v.b}) {
      EXPECT_GE(c, 0.24f - 1e-3f);
      EXPECT_LT(c, 0.64f);
    }
  }

  glDepthMask(GL_FALSE);
  stars.draw();
  stars.draw();
  GLboolean mask;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
  EXPECT_TRUE(mask);
  stars.release();
  stars.release();
  EXPECT_EQ(stars.listId, -1);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(StarField, ShellsWithoutRoomGiveAnEmptyListInsteadOfHanging) {
  static StarField stars;
  const float shells[][2] = {{1, 1.5f}, {1.5f, 1.5f}, {-1, 0}, {NAN, 0}, {INFINITY, 0}, {1, NAN}};
  for (const auto& shell : shells) {
    stars.build(500, shell[0], shell[1], upperHalfShell);
    EXPECT_TRUE(replay(stars).empty()) << shell[0] << " " << shell[1];
  }
  // Thinner than the random grid: the search gives up rather than running on for ever.
  stars.build(500, 1.5f, 1.5f - 1e-7f, upperHalfShell);
  EXPECT_LT(replay(stars).size(), 500u);
  stars.build(500, 1.5f, -1, upperHalfShell);  // the whole upper half ball
  EXPECT_EQ(replay(stars).size(), 500u);
}
