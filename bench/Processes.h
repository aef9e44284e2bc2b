#pragma once
// Runs of whole processes, timed from the moment they are started.

#include <string>

namespace bench {

struct TWindowRun {
  double ToPaintedMs;  // until its window is shown with nothing left to paint
  double ToExitMs;     // until it has ended, closed as soon as it was painted
};

// Starts a window program, waits for its first window to be painted, closes
// that window as its close box would, and waits for the program to end.
// Raises std::runtime_error when it cannot.
TWindowRun RunWindowProgram(const std::string& Path);

// Runs a command line to its end; answers the milliseconds it took.
double RunCommand(const std::string& CommandLine);

}  // namespace bench
