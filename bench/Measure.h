#pragma once
// Timing for the budget benchmarks: the program's way and its reference run in turn, so both meet
// the same load on a shared machine, and each result is printed as one JSON line for bench/run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace bench {

inline double MillisecondsOf(const auto& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Timing {
  double program = 0;
  std::optional<double> reference;
};

// `before` runs untimed ahead of each timed program run (closing a card, moving the list back).
template <class Program, class Reference, class Before>
Timing TimeSideBySide(int repetitions, const Program& program, const Reference& reference, const Before& before) {
  std::vector<double> ours, theirs;
  for (int i = 0; i < repetitions; ++i) {
    before();
    ours.push_back(MillisecondsOf(program));
    theirs.push_back(MillisecondsOf(reference));
  }
  return {Median(ours), Median(theirs)};
}

template <class Program, class Before>
Timing TimeAlone(int repetitions, const Program& program, const Before& before) {
  std::vector<double> ours;
  for (int i = 0; i < repetitions; ++i) {
    before();
    ours.push_back(MillisecondsOf(program));
  }
  return {Median(ours), std::nullopt};
}

// One line for bench/run: `goal` is its text form, e.g. "time<=1.2x,<=100ms", "speed>=0.9x", "<2ms".
inline void Report(const std::string& operation, const Timing& timing, const std::string& goal,
                   const std::string& reference = "") {
  std::printf("{\"operation\": \"%s\", \"ms\": %.3f, \"reference_ms\": %s, \"goal\": \"%s\", \"reference\": \"%s\"}\n",
              operation.c_str(), timing.program,
              timing.reference ? std::to_string(*timing.reference).c_str() : "null", goal.c_str(),
              reference.c_str());
  std::fflush(stdout);
}

}  // namespace bench
