// The program's global objects, defined together in one translation unit so that they are
// constructed in this order before main (and destroyed in the reverse order at exit).

#include "base/parameters.h"
#include "effects/particle_effects.h"
#include "effects/star_field.h"
#include "ride/camera.h"
#include "ride/track.h"
#include "text/text_overlay.h"

TextOverlay textOverlay;
Parameters params;
Camera camera;
Track track;
StarField starField;
ParticleSystem fountain, groundGlows, smoke, motes;
