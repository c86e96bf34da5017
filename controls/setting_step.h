#pragma once

// One press of an adjustment key on a float setting: the step is taken in double and the result
// stored back as float. Settings without bounds may shrink towards 0 or grow without limit, but
// a step that would leave the finite floats (overflow to infinity) leaves the value where it
// is, so no infinity ever reaches the ride, the scene or OpenGL.
float scaledSetting(float value, double factor);
float shiftedSetting(float value, double amount);
