#pragma once

// Lays a black quad of the given opacity over the whole window, letterbox bars included:
// every pixel becomes its old colour times (1 - alpha). An alpha of 1 or more paints the
// window black, 0 or less changes nothing. Leaves blending off, depth writes on, the polygon
// mode, viewport and model-view matrix as they were, and an orthographic projection.
void screenOverlay(float alpha);

// The opacity the overlay actually draws with: alpha limited to [0, 1], and 0 for a NaN.
float overlayOpacity(float alpha);

// Darkens the previous picture instead of clearing it, when the blanking mode asks for it.
void blankPreviousPicture();

// The fade-in during the first 2 seconds, or the exit fade that ends the program: after
// 2 seconds of fading it releases the scene's resources and the kept picture, then exits.
void runFadeStage();
