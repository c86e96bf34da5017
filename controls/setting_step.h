#pragma once

// One press of an adjustment key on a float setting: the step is taken in double and the result
// stored back as float. Settings without bounds may shrink towards 0 or grow without limit, but
// a step that would leave the finite floats (overflow to infinity) leaves the value where it
// is, so no infinity ever reaches the ride, the scene or OpenGL. Likewise a scaling step that
// would leave the normal floats (below FLT_MIN, but not 0): among the subnormals a press of
// 10 % rounds back to the same value, so the opposite key could never bring the setting back,
// and their arithmetic is slow.
float scaledSetting(float value, double factor);
float shiftedSetting(float value, double amount);
