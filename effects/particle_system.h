#pragma once

#include "ride/vector3.h"

class Camera;
class Parameters;

// Red, green and blue, 0 to 1.
struct Rgb {
  float r, g, b;
};

// One slot of a particle pool. Angles in degrees, times in seconds.
struct Particle {
  Vector3 position;   // world units
  Vector3 velocity;   // world units per second
  float pitch;        // extra turn about x, 0 at birth
  float pitchRate;    // degrees per second
  float heading;      // extra turn about y, 0 at birth
  float headingRate;  // degrees per second
  float roll;         // turn about z
  float rollRate;     // degrees per second
  float size;         // sprite half-width or point size, before the draw's size scale
  float life;         // seconds; zero or negative: never dies
  float birthTime;
  float deathTime;  // birthTime + life
  int alive;        // the slot holds a particle
};

// A fixed pool of 500 particles kept inside the object (no heap): started one at a time by
// emit, moved and aged by update, drawn as sprites or points by draw. Everything a system
// does comes from its settings, plain fields with the defaults below.
class ParticleSystem {
 public:
  static constexpr int poolSize = 500;

  // Frees every slot and writes the default settings.
  ParticleSystem();
  virtual ~ParticleSystem() {}

  // Frees every slot and lowers `seeded`; settings, lastEmitTime and the class-wide values stay.
  void clear();

  // Starts one particle at (x, y, z) and returns its slot, or -1 when the last emission was
  // less than emitInterval ago or no slot is free (then nothing changes and nothing is drawn
  // from the random sequence). Draws velocity x, y, z, then roll and roll rate when spinning,
  // then the life, which speed divides. A life that is not a finite number (speed 0, or a
  // speed beyond the float range) is stored as 0: the particle never dies.
  int emit(float x, float y, float z, float time, float speed);

  // Moves and ages every live particle to time, with the step shared by all systems (see
  // lastUpdateTime). Reads mainSpeed and objectSize. A particle whose position or size is no
  // longer a finite number is freed; a particle at rest stays where it is whatever the step.
  void update(float time, const Parameters& parameters);

  // Draws every live particle, coloured by its age: sprites when texture is 0 or more (turned
  // by the viewer's and its own angles when spinning, facing the eye otherwise), points sized
  // 1 to 4 when it is below 0. Switches on what the settings ask for and off again after.
  void draw(float sizeScale, float brightness, const Camera& viewer, float time);

  // Gives the last emission and each live particle's birth and death `seconds` earlier, for a
  // clock whose epoch has moved on by that much.
  void shiftTimes(double seconds);

  // The pool: a slot is free exactly when its `alive` is 0.
  Particle particles[poolSize];
  int capacity;  // 500

  // Drawing switches.
  int alphaTest;    // alpha test at 0.1
  int blend;        // blending with the factors below
  int depthTest;    // depth test on while drawing
  int depthWrite;   // keep depth writes on; only read when depthTest is set
  int texture;      // sprite texture name; below 0: points
  int blendSource;  // index into the source factors, 0..8
  int blendDest;    // index into the destination factors, 0..7

  int seeded;      // the scene has filled this pool since the last clear
  int bounce;      // particles bounce on the plane y = 0
  int spinning;    // random roll and roll rate at birth; sprites turned by angles
  int spinFactor;  // multiplies the random roll rate

  Vector3 drawOffset;    // added to every position when drawn
  Vector3 baseVelocity;  // centre of the emission velocity
  Vector3 drift;         // added to the velocity when moving, never stored into it
  float startSize;
  float growthRate;    // size per second
  float texS0, texS1;  // texture s at the sprite's left and right edges
  float texT0, texT1;  // texture t at its bottom and top edges
  float spread;        // each velocity component gains a uniform [-spread/2, spread/2)
  float gravity;       // added to velocity y by every update, whatever its step
  float drag;          // multiplies the velocity at every update, whatever its step
  float emitPitchRate;
  float emitHeadingRate;
  float lifeSpan;          // nominal life, seconds; negative: particles never die
  float lastEmitTime = 0;  // time of the last successful emission; clear leaves it
  float emitInterval;      // least time between two emissions, seconds
  float alphaStart, alphaEnd;
  Rgb colorStart;  // at birth
  Rgb colorEnd;    // at death

  // Shared by every system. Written only by emit and update, and moved with the clock's epoch.
  static int searchCursor;      // slot at which the next free-slot search of any system starts
  static float lastUpdateTime;  // time of the most recent update of any system

 private:
  int findFreeSlot() const;
  void fill(Particle& particle, float x, float y, float z, float time, float speed);
  void move(Particle& particle, float dt, float step, float mainSpeed);
};
