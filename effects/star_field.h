#pragma once

// The "Universe": coloured points around the ride, compiled once into a display list and
// replayed every frame while the stars are on. The stars live only in the list.
class StarField {
 public:
  StarField() : listId(-1) {}
  virtual ~StarField() {}

  // Compiles count stars, uniform in volume, into a new list (any earlier one is deleted).
  // Shape 2 fills the upper half (y >= 0) of the shell between innerRadius and outerRadius;
  // any other shape the whole shell. Arguments that leave no room for a star, or a shell too
  // thin for the random sequence's grid to hit, give a list with fewer stars or none.
  void build(int count, float outerRadius, float innerRadius, int shape);

  // Replays the list in 1-pixel points, then turned 120 degrees about y in 2-pixel points.
  // Writes no depth; leaves the model-view matrix as it was and the point size at 2.
  void draw();

  // Deletes the list; harmless when there is none.
  void release();

  int listId;  // display-list name, -1 while there is none
};

// Written by the scene set-up (build) and the exit clean-up (release).
extern StarField starField;

// One star: its place and its colour.
struct Star {
  double x, y, z;
  float red, green, blue;
};

// The shape the program builds: the upper half of a spherical shell.
constexpr int upperHalfShell = 2;

// Draws one star from the random sequence: attempts at a point uniform in the cube from
// -outerRadius to outerRadius, x then y then z, until one lies in the shape, then its colour
// (one draw for the kind, then blue, green, red). Returns false, with the colour not drawn,
// when maxStarAttempts attempts found no place: the shell is empty or thinner than the grid.
constexpr int maxStarAttempts = 100000;
bool placeStar(float outerRadius, float innerRadius, int shape, Star& star);
