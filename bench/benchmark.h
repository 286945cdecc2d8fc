#pragma once

#include <string>

#include "bench/clicker_session.h"
#include "bench/gap_log.h"
#include "bench/process_usage.h"
#include "bench/results_table.h"
#include "bench/timestamp_target.h"

namespace bench {

// How long each figure is measured: long enough for a stable figure, or short for a quick look.
struct Durations {
  double rateSeconds;      // at 0.01 to 0.1 s
  double slowRateSeconds;  // at 1 s
  int latencyRepeats;
  double processorSeconds;
  int starts;
  double longClickingSeconds;
};

inline constexpr ListInterval listIntervals[] = {
    {0, 10, "0.01"}, {1, 20, "0.02"}, {4, 50, "0.05"}, {5, 100, "0.1"}, {8, 1000, "1"},
};
inline constexpr const ListInterval& shortestInterval = listIntervals[0];
inline constexpr const ListInterval& tenthOfASecond = listIntervals[3];

// The bare window program's figures: the least any Win32 program with a window costs.
struct Floor {
  ResourceUse afterStart;
  double processorPerSecond = 0;
};

// What every measurement of one run shares. A figure that cannot be measured is reported as failed
// and the run goes on with the next.
struct Run {
  const Durations& durations;
  TimestampTarget& target;
  ResultsTable& table;
  GapLog& gaps;
  bool failed = false;

  void fail(const std::string& figure, const std::string& why);
};

// Waits until the target has had at least `count` presses; whether it did within the time.
bool waitForPresses(const TimestampTarget& target, size_t count, double timeoutMilliseconds);
void sleepMilliseconds(double milliseconds);
// Prints what the run is measuring now.
void say(const std::string& text);

// Measures everything into the folder: results.tsv and gaps.csv. Non-zero if a figure failed.
int runBenchmark(const std::wstring& folder, bool quick);

}  // namespace bench
