#define GL_GLEXT_PROTOTYPES
#include "tests/soak/soak_checks.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "base/parameters.h"
#include "effects/particle_effects.h"
#include "ride/camera.h"
#include "ride/track.h"

namespace {

long raisedErrors = 0;
bool debugOutput = false;  // the driver reports errors through countError

// The first few are printed, to say what went wrong.
void GLAPIENTRY countError(GLenum, GLenum type, GLuint, GLenum, GLsizei, const GLchar* message,
                           const void*) {
  if (type != GL_DEBUG_TYPE_ERROR) return;
  static int printed = 0;
  if (printed < 5 && ++printed) std::fprintf(stderr, "GL error: %s\n", message);
  ++raisedErrors;
}

long count(float value) {
  return std::isfinite(value) ? 0 : 1;
}

long count(const Vector3& v) {
  return count(v.x) + count(v.y) + count(v.z);
}

long countParticles(const ParticleSystem& system) {
  long bad = 0;
  for (const Particle& p : system.particles) {
    if (!p.alive) continue;
    bad += count(p.position) + count(p.velocity) + count(p.pitch) + count(p.heading) +
           count(p.roll) + count(p.size) + count(p.birthTime) + count(p.deathTime);
  }
  return bad;
}

}  // namespace

void watchGlErrors() {
  glEnable(GL_DEBUG_OUTPUT);
  glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
  glDebugMessageCallback(countError, nullptr);
  debugOutput = glGetError() == GL_NO_ERROR && glIsEnabled(GL_DEBUG_OUTPUT);
}

long takeGlErrors() {
  // Without debug output, only what the program's error line left pending can be seen.
  long pending = 0;
  while (pending < 16 && glGetError() != GL_NO_ERROR) ++pending;
  const long errors = debugOutput ? raisedErrors : pending;
  raisedErrors = 0;
  return errors;
}

long countNonFiniteValues() {
  long bad = count(camera.fieldOfView) + count(camera.pitch) + count(camera.heading) +
             count(camera.roll) + count(camera.position);
  for (int i = 0; i < Track::maxPoints; ++i) {
    const TrackPoint& p = track.points[i];
    bad += count(p.x) + count(p.y) + count(p.z) + count(p.pitch) + count(p.heading);
  }
  bad += count(track.fraction) + count(track.position) + count(track.direction) +
         count(track.highestY);
  for (const ParticleSystem* system : {&fountain, &groundGlows, &smoke, &motes}) {
    bad += countParticles(*system);
  }
  bad += count(params.cameraZ) + count(params.objectSize) + count(params.mainSpeed) +
         count(params.fogDistance) + count(params.blankIntensity);
  return bad;
}

long residentKilobytes() {
  long pages = 0, resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return 0;
  if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
  std::fclose(statm);
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}
