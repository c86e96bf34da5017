#pragma once

// Every user-adjustable setting of the ride. The constructor sets nothing: the global lives in
// zero-filled static storage and the first reset, during start-up, gives it its values.
// Flags are 0 or 1 and flip with logical not; the controls that change a field keep its bounds.
class Parameters {
 public:
  Parameters() {}
  virtual ~Parameters() {}

  int fovDegrees;        // whole-degree field of view; reset copies it into the camera
  int letterbox;         // 0..6, each step hides 5 % of the height at top and bottom
  int tesselation;       // 3..40, slices and stacks of the globe
  int universeOn;        // draw the star field
  int fullBlanking;      // 1: clear the colour buffer every frame; 0: darken the previous picture
  int spotlightsOn;      // the circling light
  int texturesOn;        // texture the globe and the flare
  int polygonMode;       // 0 filled, 1 lines, 2 points
  int cameraMode;        // 0 automatic ride camera, 1 manual pointer camera
  int optionIndex;       // menu selection, shown in its message only
  int imageIndex;        // menu selection, shown in its message only
  int fpsClockOn;        // draw the frame-rate line
  int fogOn;             // depth-cue fog
  float rotateSpeed;     // shown in its message only
  float movementSpeed;   // shown in its message only
  float cameraZ;         // distance of the eye behind the ride position
  float objectSize;      // scales the flare, the globe and the particles
  float mainSpeed;       // ride speed factor, multiplied by Page Up / Page Down
  float homeEndFactor;   // shown in its message only
  float f1f2Factor;      // shown in its message only
  float f3f4Factor;      // shown in its message only
  float f5f6Factor;      // shown in its message only
  float f7f8Factor;      // shown in its message only
  float fogDistance;     // 0.0001..14: fog is complete this far beyond its start
  float blankIntensity;  // 0..1: how strongly each frame darkens the previous picture
};

// Written by reset() and by the controls.
extern Parameters params;

// Loose settings beside the block. Written by reset() and by the controls.
extern float brightness;     // colour level of the scene; nothing changes it
extern int exiting;          // an exit fade is under way; set by the exit commands
extern float exitStartTime;  // elapsedTime at which the exit fade began, while exiting
extern int forceClear;       // clear the colour buffer once in the next frame; reset leaves it

// The colour buffer holds no picture: the next frame starts from black, and clears this. Set by
// the window layer (a new size, a swap that lost the picture) and by start-up's visibility
// callback (a window shown again); keys never withdraw it.
extern int pictureLost;

// Writes the reset value of every field of the block: its default, or the value the command
// line chose (chosenSettings).
void resetParameters(Parameters& parameters);
