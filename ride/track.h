#pragma once

#include <GL/gl.h>

#include <cstddef>

#include "ride/vector3.h"

class Camera;
class Parameters;

// One sample of the track: its position and the angles of the chord to the next sample.
struct TrackPoint {
  float x, y, z;  // world position, y up
  float pitch;    // degrees
  float heading;  // degrees
};

// The closed path the viewer rides, and where on it the ride is.
class Track {
 public:
  static constexpr int maxPoints = 720;

  Track();
  virtual ~Track() {}

  // Draws four new frequencies and recomputes every point, its angles and highestY.
  // Leaves the ride state (segment, fraction, position, direction) and the texture alone.
  void generate(float horizontalScale, float verticalScale, float verticalOffset);

  // The shape of the given frequencies (x and z of the horizontal terms, y1 and y2 of the
  // vertical ones): every point, its chord angles and highestY. generate draws the frequencies
  // and calls this; tests call it directly to check known shapes.
  void buildShape(int x, int z, int y1, int y2, float horizontalScale, float verticalScale,
                  float verticalOffset);

  // Writes the line that announces this shape, "New Track: " and the four frequencies, into
  // line (cut to size): reset and the ride step both show it on the message line.
  void writeNewTrackLine(char* line, std::size_t size) const;

  // Pitch and heading, in radians, of a direction vector: heading 0 faces -z, 90 degrees +x;
  // a rising direction has a negative pitch.
  void directionAngles(float dx, float dy, float dz, float& pitch, float& heading) const;

  // Moves the ride along the points by the given seconds at its height-dependent speed.
  // One call costs the same whatever the step; a step that is not a finite number (a speed
  // multiplied beyond the float range) leaves the ride where it is.
  void advance(float seconds, const Parameters& parameters);

  // Puts the camera at the ride position, facing along the track.
  void placeCamera(Camera& c);

  // Draws the track as a ribbon of textured quads; scale multiplies every coordinate, blue is
  // the blue component of its colour.
  void draw(float scale, float blue);

  TrackPoint points[maxPoints];
  int pointCount;     // 720
  int segment;        // index of the point the ride passed last
  int frequencyX;     // 1..3
  int frequencyZ;     // 1..3, never equal to frequencyX
  int frequencyY1;    // 5..9
  int frequencyY2;    // 5..9
  GLuint texture;     // the glow sprite the ribbon is drawn with
  float fraction;     // 0 to below 1, how far the ride is towards the next point
  Vector3 position;   // current ride position
  Vector3 direction;  // unit direction of travel
  float highestY;     // largest y among the points
};

// Written by reset() (generate), the ride step (generate, advance) and the texture set-up.
extern Track track;
