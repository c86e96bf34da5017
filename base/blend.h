#pragma once

// (1 - w) * a + w * b with w = (1 - cos(t * pi)) / 2: t = 0 gives a, t = 1 gives b,
// with zero slope at both ends.
float cosineBlend(float a, float b, float t);

// (1 - t) * a + t * b.
float linearBlend(float a, float b, float t);
