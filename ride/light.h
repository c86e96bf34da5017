#pragma once

// Sets and enables light 0..7 at (x, y, z) in eye coordinates, so it keeps its place relative to
// the viewer. The colour levels are scaled by brightness; the global ambient equals the light's.
// Shines in all directions.
void setUpLight(int light, float x, float y, float z, float ambient, float diffuse, float specular,
                float materialSpecular, float brightness);
