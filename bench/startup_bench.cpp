// Start-up time and peak memory of the ride beside a minimal GLUT program built with it: the
// time from exec to the end of the first frame's swap, the peak resident memory then, and the
// peak after 3 seconds of frames. Each program is launched several times, alternately, and the
// medians are reported. Run under a display, like the ride itself:
//   startup_bench [launches] [ride program]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "bench/spread.h"

namespace {

struct Launch {
  double firstFrameMs, firstFrameCpuMs;
  long firstPeakKb, endPeakKb;
  int frames;
};

long long nowNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Runs the program from the data folder with the probe loaded, reading what it reports.
bool launch(const char* program, Launch& result) {
  int channel[2];
  if (pipe(channel) != 0) return false;
  const long long start = nowNanoseconds();
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    char fd[16];
    std::snprintf(fd, sizeof fd, "%d", channel[1]);
    setenv("GYROTRAK_PROBE_FD", fd, 1);
    setenv("LD_PRELOAD", FIRST_FRAME_PROBE, 1);
    if (chdir(GYROTRAK_DATA_DIR) != 0) _exit(2);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(2);
  }
  close(channel[1]);
  std::FILE* reports = fdopen(channel[0], "r");
  char line[128];
  long long firstAt = 0;
  bool ended = false;
  while (std::fgets(line, sizeof line, reports)) {
    if (std::sscanf(line, "first %lld %ld %lf", &firstAt, &result.firstPeakKb,
                    &result.firstFrameCpuMs) == 3)
      result.firstFrameMs = (firstAt - start) * 1e-6;
    if (std::sscanf(line, "end %ld %d", &result.endPeakKb, &result.frames) == 2) ended = true;
  }
  std::fclose(reports);
  int status = 0;
  waitpid(child, &status, 0);
  return ended && firstAt != 0;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
  double firstFrameMs, firstFrameCpuMs, firstPeakMb, endPeakMb, framesPerSecond;
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
  // Another build of the ride may be named, to compare versions.
  const char* programs[2] = {argc > 2 ? argv[2] : GYROTRAK_PROGRAM, MINIMAL_GLUT_PROGRAM};
  std::vector<double> first[2], firstCpu[2], firstPeak[2], endPeak[2], rate[2];
  for (int run = 0; run < runs; ++run) {
    for (int k = 0; k < 2; ++k) {
      const int which = run % 2 ? 1 - k : k;  // alternate which goes first
      Launch result{};
      if (!launch(programs[which], result)) {
        std::printf("%s did not report its first frame\n", programs[which]);
        return 1;
      }
      first[which].push_back(result.firstFrameMs);
      firstCpu[which].push_back(result.firstFrameCpuMs);
      firstPeak[which].push_back(result.firstPeakKb / 1024.0);
      endPeak[which].push_back(result.endPeakKb / 1024.0);
      rate[which].push_back(result.frames / 3.0);
    }
  }
  Summary summary[2];
  for (int k = 0; k < 2; ++k)
    summary[k] = {median(first[k]), median(firstCpu[k]), median(firstPeak[k]), median(endPeak[k]),
                  median(rate[k])};
  const char* names[2] = {"gyrotrak", "minimal GLUT program"};
  for (int k = 0; k < 2; ++k)
    std::printf(
        "%-22s first frame %7.1f ms (%6.1f ms CPU), peak memory %6.1f MB then, %6.1f MB"
        " after 3 s (%.0f frames/s)\n",
        names[k], summary[k].firstFrameMs, summary[k].firstFrameCpuMs, summary[k].firstPeakMb,
        summary[k].endPeakMb, summary[k].framesPerSecond);
  // Each launch beside the minimal program's launch next to it, so that what else the machine
  // was doing then falls on both.
  const auto ratios = [](const std::vector<double>* of) {
    std::vector<double> r;
    for (size_t i = 0; i < of[0].size(); ++i) r.push_back(of[0][i] / of[1][i]);
    return bench::spreadOf(r);
  };
  const struct {
    const char* name;
    const std::vector<double>* values;
  } compared[] = {{"first frame", first},
                  {"its CPU time", firstCpu},
                  {"peak memory at the first frame", firstPeak},
                  {"peak memory after 3 s", endPeak}};
  std::printf("against the minimal program, medians and quartiles of %d launches each:\n", runs);
  for (const auto& c : compared) {
    std::printf("  %-32s ", c.name);
    bench::printSpread(ratios(c.values));
    std::printf(" x\n");
  }
  return 0;
}
