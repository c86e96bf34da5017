#pragma once

// The median of a benchmark's rounds and their spread: on a shared machine a single round says
// little, so every ratio is given as the median of its rounds with the quartiles beside it.

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

struct Spread {
  double median, low, high;  // low and high: the first and third quartiles
};

inline Spread spreadOf(std::vector<double> values) {
  if (values.empty()) return {0, 0, 0};
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  const auto at = [&](double q) {  // linear between the two nearest ranks
    const double rank = q * (n - 1);
    const size_t below = static_cast<size_t>(rank);
    const size_t above = std::min(below + 1, n - 1);
    return values[below] + (rank - below) * (values[above] - values[below]);
  };
  return {at(0.5), at(0.25), at(0.75)};
}

// "0.78 (0.70 to 0.85)"
inline void printSpread(const Spread& s) {
  std::printf("%.2f (%.2f to %.2f)", s.median, s.low, s.high);
}

}  // namespace bench
