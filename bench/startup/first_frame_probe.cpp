// Loaded into a program with LD_PRELOAD, it watches the buffer swaps: at the end of the first it
// writes "first NANOSECONDS PEAK_KB CPU_MS" to the file descriptor in GYROTRAK_PROBE_FD (the
// monotonic clock, the peak resident memory so far and the CPU time of all threads so far), and
// GYROTRAK_PROBE_SECONDS later (default 3) "end PEAK_KB FRAMES", then ends the process.
#include <GL/glx.h>
#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

long long nowNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long peakKilobytes() {
  long peak = 0;
  if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, status))
      if (std::strncmp(line, "VmHWM:", 6) == 0) peak = std::atol(line + 6);
    std::fclose(status);
  }
  return peak;
}

void tell(const char* line) {
  const char* fd = std::getenv("GYROTRAK_PROBE_FD");
  const int out = fd ? std::atoi(fd) : 2;
  if (write(out, line, std::strlen(line)) < 0) _exit(3);
}

double cpuMilliseconds() {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-3;
}

long long firstAt = 0;
int frames = 0;

}  // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
  using Swap = void (*)(Display*, GLXDrawable);
  static Swap realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
  realSwap(display, drawable);
  ++frames;
  char line[80];
  if (frames == 1) {
    firstAt = nowNanoseconds();
    std::snprintf(line, sizeof line, "first %lld %ld %.1f\n", firstAt, peakKilobytes(),
                  cpuMilliseconds());
    tell(line);
  }
  const char* seconds = std::getenv("GYROTRAK_PROBE_SECONDS");
  const double limit = seconds ? std::atof(seconds) : 3;
  if ((nowNanoseconds() - firstAt) * 1e-9 >= limit) {
    std::snprintf(line, sizeof line, "end %ld %d\n", peakKilobytes(), frames);
    tell(line);
    _exit(0);
  }
}
