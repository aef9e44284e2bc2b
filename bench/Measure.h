#pragma once
// Timing for the benchmarks: medians of paired runs, taken in turns so that
// a noisy machine slows both sides alike.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench {

inline double NowMs() {
  static const double TicksPerMs = [] {
    LARGE_INTEGER Frequency;
    ::QueryPerformanceFrequency(&Frequency);
    return static_cast<double>(Frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER Now;
  ::QueryPerformanceCounter(&Now);
  return static_cast<double>(Now.QuadPart) / TicksPerMs;
}

inline double Median(std::vector<double> Samples) {
  std::sort(Samples.begin(), Samples.end());
  const size_t N = Samples.size();
  return N % 2 ? Samples[N / 2] : (Samples[N / 2 - 1] + Samples[N / 2]) / 2;
}

// What one run measured: one or more figures, in milliseconds.
using TRun = std::function<std::vector<double>()>;

// Runs each of Runs in turn, Repetitions times after one unmeasured round,
// and answers the median of every figure of every run.
inline std::vector<std::vector<double>> PairedMedians(const std::vector<TRun>& Runs, int Repetitions) {
  std::vector<std::vector<std::vector<double>>> Samples(Runs.size());
  for (int Round = 0; Round <= Repetitions; ++Round)
    for (size_t R = 0; R < Runs.size(); ++R) {
      std::vector<double> Figures = Runs[R]();
      if (Round == 0) continue;
      Samples[R].resize(Figures.size());
      for (size_t F = 0; F < Figures.size(); ++F) Samples[R][F].push_back(Figures[F]);
    }
  std::vector<std::vector<double>> Result(Runs.size());
  for (size_t R = 0; R < Runs.size(); ++R)
    for (const std::vector<double>& Figure : Samples[R]) Result[R].push_back(Median(Figure));
  return Result;
}

inline void Print(const std::string& Name, double Value, int Decimals) {
  std::printf("%s: %.*f\n", Name.c_str(), Decimals, Value);
  std::fflush(stdout);
}

}  // namespace bench
