// The scene's geometry without a context: the sphere's vertices, the ribbon's quads and the
// orbit of the flare and the light.

#include <gtest/gtest.h>

#include <cmath>

#include "frame/scene.h"
#include "ride/sphere.h"
#include "ride/track.h"
#include "ride/track_ribbon.h"

TEST(SphereVertex, ColumnsRunDownwardsAndCloseOnTheFirstWithSBelowZero) {
  const int slices = 10, stacks = 10;
  const auto at = [&](int band, int column, bool lower) {
    return sphereVertex(2, slices, stacks, 1, 1, 0, 0, band, column, lower);
  };
  // Band 0 starts at the +y pole.
  const SphereVertex pole = at(0, 9, false);
  EXPECT_DOUBLE_EQ(pole.ny, 1);
  EXPECT_DOUBLE_EQ(pole.y, 2);
  EXPECT_DOUBLE_EQ(pole.t, 0);
  EXPECT_DOUBLE_EQ(pole.s, 0.9);

  // Column -1 repeats column slices - 1 in place, with s one step below 0.
  const SphereVertex last = at(3, 9, true);
  const SphereVertex closing = at(3, -1, true);
  EXPECT_DOUBLE_EQ(closing.x, last.x);
  EXPECT_DOUBLE_EQ(closing.z, last.z);
  EXPECT_DOUBLE_EQ(closing.s, -0.1);
  EXPECT_DOUBLE_EQ(at(3, 0, true).s, 0);

  // t is divided by stacks: the last ring, the -y pole, has t = (stacks - 1) / stacks.
  const SphereVertex bottom = at(stacks - 2, 4, true);
  EXPECT_NEAR(bottom.ny, -1, 1e-7);
  EXPECT_DOUBLE_EQ(bottom.t, 0.9);
}

TEST(SphereVertex, NormalsAreUnitAndPositionsLieOnTheRadius) {
  for (int tess : {3, 10, 40}) {
    for (int band = 0; band <= tess - 2; band++) {
      for (int column = tess - 1; column >= -1; column--) {
        for (bool lower : {true, false}) {
          const SphereVertex v =
              sphereVertex(0.5, tess, tess, 2, 3, 0.25, 0.5, band, column, lower);
          ASSERT_NEAR(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz, 1, 1e-12);
          ASSERT_DOUBLE_EQ(v.x, 0.5 * v.nx);
          ASSERT_DOUBLE_EQ(v.z, 0.5 * v.nz);
          ASSERT_DOUBLE_EQ(v.s, column * 2.0 / tess + 0.25);
          ASSERT_DOUBLE_EQ(v.t, (lower ? band + 1 : band) * 3.0 / tess + 0.5);
        }
      }
    }
  }
}

TEST(RibbonQuad, SideVerticesSweptBackFromTheHeading) {
  static Track t;
  t.points[0] = {0.3f, 0.2f, 0.1f, 0, 0};
  t.points[2] = {0.5f, 0.25f, -0.2f, 0, 90};
  t.points[4] = {0.7f, 0.3f, -0.4f, 0, 0};
  const RibbonQuad level = ribbonQuad(t, 0, 1);
  EXPECT_NEAR(level.vertices[0].x, 0.3f - 0.001f, 1e-7);
  EXPECT_NEAR(level.vertices[0].z, 0.1f - 0.001f, 1e-7);
  EXPECT_NEAR(level.vertices[1].x, 0.3f + 0.001f, 1e-7);
  EXPECT_NEAR(level.vertices[1].z, 0.1f + 0.001f, 1e-7);
  EXPECT_FLOAT_EQ(level.vertices[0].y, 0.2f);
  // The far end uses point i's offset at point i + 2's position and height.
  EXPECT_NEAR(level.vertices[2].x, 0.5f + 0.001f, 1e-7);
  EXPECT_NEAR(level.vertices[3].z, -0.2f - 0.001f, 1e-7);
  EXPECT_FLOAT_EQ(level.vertices[2].y, 0.25f);

  const RibbonQuad turned = ribbonQuad(t, 2, 1);  // heading 90
  EXPECT_NEAR(turned.vertices[0].x, 0.5f + 0.001f, 1e-6);
  EXPECT_NEAR(turned.vertices[0].z, -0.2f - 0.001f, 1e-6);
  EXPECT_NEAR(turned.vertices[1].x, 0.5f - 0.001f, 1e-6);
  EXPECT_NEAR(turned.vertices[1].z, -0.2f + 0.001f, 1e-6);

  // Texture: s across, the sprite's middle strip along.
  const float st[4][2] = {{0, 0.2f}, {1, 0.2f}, {1, 0.8f}, {0, 0.8f}};
  for (int k = 0; k < 4; k++) {
    EXPECT_EQ(level.vertices[k].s, st[k][0]);
    EXPECT_EQ(level.vertices[k].t, st[k][1]);
  }

  // Scale multiplies positions and the width alike.
  const RibbonQuad doubled = ribbonQuad(t, 0, 2);
  EXPECT_NEAR(doubled.vertices[1].x, 2 * (0.3f + 0.002f), 1e-6);
}

TEST(RibbonQuad, LastQuadClosesOnPointZero) {
  static Track t;
  t.points[718] = {1, 2, 3, 0, 0};
  t.points[0] = {4, 5, 6, 0, 0};
  const RibbonQuad closing = ribbonQuad(t, 718, 1);
  EXPECT_NEAR(closing.vertices[2].x, 4.001f, 1e-6);
  EXPECT_FLOAT_EQ(closing.vertices[3].y, 5);
}

TEST(OrbitPoint, CirclesOnceEveryTenPiSeconds) {
  const Vector3 start = orbitPoint(0);
  EXPECT_FLOAT_EQ(start.x, 1);
  EXPECT_FLOAT_EQ(start.y, 0.8f);
  EXPECT_FLOAT_EQ(start.z, 0);
  const Vector3 quarter = orbitPoint(7.853982);
  EXPECT_NEAR(quarter.x, 0, 1e-6);
  EXPECT_NEAR(quarter.z, 1, 1e-6);
  const Vector3 round = orbitPoint(10 * 3.14159265358979);
  EXPECT_NEAR(round.x, 1, 1e-6);
  EXPECT_NEAR(round.z, 0, 1e-5);
}
