#pragma once

// Lays a black quad of the given opacity over the whole window, letterbox bars included:
// every pixel becomes its old colour times (1 - alpha).
void screenOverlay(float alpha);

// Darkens the previous picture instead of clearing it, when the blanking mode asks for it.
void blankPreviousPicture();

// The fade-in during the first 2 seconds, or the exit fade that ends the program.
void runFadeStage();
