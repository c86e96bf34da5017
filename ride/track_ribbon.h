#pragma once

class Track;

// A corner of a ribbon quad: texture coordinate and position.
struct RibbonVertex {
  float s, t;
  float x, y, z;
};

// The quad from point i to point i + 2 (wrapping), in drawing order: the two sides of point i,
// then those of the point two ahead, offset by point i's heading alone.
struct RibbonQuad {
  RibbonVertex vertices[4];
};

RibbonQuad ribbonQuad(const Track& path, int i, float scale);
