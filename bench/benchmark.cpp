#include "bench/benchmark.h"

#include <cstdio>

#include "bench/figures.h"
#include "bench/precise_clock.h"

namespace bench {
namespace {

constexpr Durations fullDurations{5, 10, 5, 5, 5, 60};
constexpr Durations quickDurations{1.5, 3, 3, 2, 3, 10};

// Start-up work that goes on after the window shows is not counted as idle.
constexpr double settleMilliseconds = 1000;

void measureClicker(Run& run, const Floor& floor) {
  say("clicker.exe: one session for the remaining figures");
  ClickerSession clicker;
  if (!clicker.ready()) {
    run.fail("clicker.exe", "its window did not show, or its process could not be opened");
    return;
  }
  sleepMilliseconds(settleMilliseconds);
  const ResourceUse afterStart = resourceUseOf(clicker.process());
  addResourceUse(run, "after start (ref: bare window)", afterStart, floor.afterStart);
  measureIdleProcessor(run, clicker, floor);
  for (const ListInterval& interval : listIntervals) {
    measureRate(run, clicker, interval, &interval == &shortestInterval ? &floor : nullptr);
  }
  measureFixedLatency(run, clicker);
  measureLongClicking(run, clicker, afterStart);
  measureRandomMode(run, clicker, floor);
  const auto exitCode = clicker.close();
  if (!exitCode || *exitCode != 0) {
    run.fail("clicker.exe exit", exitCode ? "exit code " + std::to_string(*exitCode) : "did not end in 5 s");
  }
}

}  // namespace

void Run::fail(const std::string& figure, const std::string& why) {
  failed = true;
  table.addText(figure, "failed: " + why, "-", "-");
}

bool waitForPresses(const TimestampTarget& target, size_t count, double timeoutMilliseconds) {
  const double deadline = nowMilliseconds() + timeoutMilliseconds;
  while (target.pressCount() < count) {
    if (nowMilliseconds() > deadline) {
      return false;
    }
    Sleep(1);
  }
  return true;
}

void sleepMilliseconds(double milliseconds) {
  Sleep(static_cast<DWORD>(milliseconds));
}

void say(const std::string& text) {
  std::printf("== %s\n", text.c_str());
  std::fflush(stdout);
}

int runBenchmark(const std::wstring& folder, bool quick) {
  const Durations& durations = quick ? quickDurations : fullDurations;
  TimestampTarget target;
  if (!target.exists()) {
    std::fprintf(stderr, "bench: the click target window could not be created\n");
    return 1;
  }
  target.putCursorAtCentre();
  ResultsTable table;
  GapLog gaps;
  Run run{durations, target, table, gaps};
  const Floor floor = measureStartUp(run);
  measureClicker(run, floor);
  if (!table.write(folder + L"\\results.tsv") || !gaps.write(folder + L"\\gaps.csv")) {
    std::fprintf(stderr, "bench: could not write the results\n");
    return 1;
  }
  return run.failed ? 1 : 0;
}

}  // namespace bench
