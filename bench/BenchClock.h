// The best of several timed runs, in seconds: benchmarks compare two such figures.
#pragma once

#include <algorithm>
#include <chrono>

namespace vxbench {

template <typename F>
double BestOf(int runs, F&& work) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace vxbench
