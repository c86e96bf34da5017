#pragma once

// The angle constants every angle computation of the ride uses, in single precision. Angles are
// stored in degrees and computed in radians with this one factor.
constexpr float radiansPerDegree = 0.017453292f;
constexpr float halfPi = 1.5707964f;
constexpr float pi = 3.1415927f;
