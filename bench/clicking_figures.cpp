#include <algorithm>
#include <cmath>
#include <vector>

#include "bench/figures.h"
#include "bench/gap_statistics.h"
#include "bench/precise_clock.h"

namespace bench {
namespace {

// Presses made before a stop may still be on their way to the target.
constexpr double settleMilliseconds = 300;
// How much later than due a first click may come before it counts as never.
constexpr double firstClickTimeoutMilliseconds = 3000;
constexpr double longestRandomPauseMilliseconds = 1000;

bool stopFixedInterval(ClickerSession& clicker) {
  clicker.pressHotkey();
  const bool stopped = clicker.captionBecomes(stoppedCaption);
  sleepMilliseconds(settleMilliseconds);
  return stopped;
}

// The stop press ends the random mode after the pause it is in; the mode is over once no click has
// come for longer than the longest pause.
bool stopRandomMode(ClickerSession& clicker, const TimestampTarget& target) {
  clicker.pressHotkey();
  const bool stopped = clicker.captionBecomes(stoppedCaption);
  const double deadline = nowMilliseconds() + 5 * longestRandomPauseMilliseconds;
  size_t seen = target.pressCount();
  double quietSince = nowMilliseconds();
  while (nowMilliseconds() - quietSince < longestRandomPauseMilliseconds + settleMilliseconds) {
    if (nowMilliseconds() > deadline) {
      return false;
    }
    sleepMilliseconds(10);
    if (const size_t count = target.pressCount(); count != seen) {
      seen = count;
      quietSince = nowMilliseconds();
    }
  }
  return stopped;
}

std::string inSeconds(const ListInterval& interval) {
  return std::string(interval.label) + " s";
}

}  // namespace

// The rate is taken over a fixed count of gaps from the first click, so no click at the edge of a
// time window can add or take away a whole tick; if the clicks stall before the count is reached,
// the rate counts the time waited.
void measureRate(Run& run, ClickerSession& clicker, const ListInterval& interval, const Floor* floor) {
  const std::string at = " at " + inSeconds(interval);
  say("clicking" + at);
  const double seconds =
      interval.milliseconds >= 1000 ? run.durations.slowRateSeconds : run.durations.rateSeconds;
  const auto gapsWanted =
      static_cast<size_t>(std::max(2.0, std::round(seconds * 1000 / interval.milliseconds)));
  const std::string rateName = "Clicks per second" + at + " (ref: ideal)";
  if (!clicker.chooseInterval(interval)) {
    run.fail(rateName, "the interval list did not take the item");
    return;
  }
  run.target.forgetPresses();
  clicker.pressHotkey();
  if (!clicker.captionBecomes(startedCaption) ||
      !waitForPresses(run.target, 1, interval.milliseconds + firstClickTimeoutMilliseconds)) {
    stopFixedInterval(clicker);
    run.fail(rateName, "the hotkey did not start the clicks");
    return;
  }
  const double processorBefore = clicker.processorMilliseconds();
  const double wallBefore = nowMilliseconds();
  waitForPresses(run.target, gapsWanted + 1, 2 * seconds * 1000 + firstClickTimeoutMilliseconds);
  const double processorAfter = clicker.processorMilliseconds();
  const double wallAfter = nowMilliseconds();
  std::vector<double> clicks = run.target.presses();
  stopFixedInterval(clicker);

  double rate = 0;
  if (clicks.size() > gapsWanted) {
    clicks.resize(gapsWanted + 1);
    rate = static_cast<double>(gapsWanted) * 1000 / (clicks.back() - clicks.front());
  } else {
    rate = static_cast<double>(clicks.size() - 1) * 1000 / (wallAfter - clicks.front());
  }
  run.gaps.add(interval.label, clicks);
  const std::vector<double> deviations = deviationsFrom(gapsBetween(clicks), interval.milliseconds);
  run.table.add(rateName, rate, 1000 / interval.milliseconds, "clicks/s", 2);
  run.table.add("Gaps" + at + ", deviation from the period, median (ref: period)", median(deviations),
                interval.milliseconds, "ms", 2);
  run.table.add("Gaps" + at + ", deviation from the period, 99th percentile (ref: period)",
                percentile(deviations, 0.99), interval.milliseconds, "ms", 2);
  if (floor != nullptr) {
    run.table.add("Processor time clicking" + at + " (ref: bare window idle)",
                  (processorAfter - processorBefore) / (wallAfter - wallBefore) * 1000,
                  floor->processorPerSecond, "ms/s", 2);
  }
}

void measureFixedLatency(Run& run, ClickerSession& clicker) {
  say("hotkey to first click at 0.1 s");
  const std::string name = "Hotkey to first click, fixed 0.1 s, median of " +
                           std::to_string(run.durations.latencyRepeats) + " (ref: one period)";
  if (!clicker.chooseInterval(tenthOfASecond)) {
    run.fail(name, "the interval list did not take the item");
    return;
  }
  std::vector<double> latencies;
  for (int i = 0; i < run.durations.latencyRepeats; ++i) {
    run.target.forgetPresses();
    const double pressed = clicker.pressHotkey();
    if (waitForPresses(run.target, 1, tenthOfASecond.milliseconds + firstClickTimeoutMilliseconds)) {
      latencies.push_back(run.target.presses().front() - pressed);
    }
    stopFixedInterval(clicker);
  }
  if (latencies.size() != static_cast<size_t>(run.durations.latencyRepeats)) {
    run.fail(name, std::to_string(latencies.size()) + " presses of the hotkey were followed by a click");
    return;
  }
  run.table.add(name, median(latencies), tenthOfASecond.milliseconds, "ms", 1);
}

// The first start also measures the processor time, while the mode clicks and pauses.
void measureRandomMode(Run& run, ClickerSession& clicker, const Floor& floor) {
  say("random mode, longest pause 1 s: hotkey to first click, processor time");
  const std::string latencyName = "Hotkey to first click, random mode, median of " +
                                  std::to_string(run.durations.latencyRepeats) + " (ref: at once)";
  const std::string processorName =
      "Processor time in random mode, longest pause 1 s (ref: bare window idle)";
  if (!clicker.useRandomMode(L"1")) {
    run.fail(latencyName, "the random mode could not be set");
    return;
  }
  // Under Wine the check box's release of the mouse capture can bring back a stale cursor position.
  sleepMilliseconds(settleMilliseconds);
  run.target.putCursorAtCentre();
  sleepMilliseconds(settleMilliseconds);

  std::vector<double> latencies;
  double processorPerSecond = -1;
  for (int i = 0; i < run.durations.latencyRepeats; ++i) {
    run.target.forgetPresses();
    const double pressed = clicker.pressHotkey();
    if (!waitForPresses(run.target, 1, firstClickTimeoutMilliseconds)) {
      stopRandomMode(clicker, run.target);
      continue;
    }
    latencies.push_back(run.target.presses().front() - pressed);
    if (i == 0) {
      const double processorBefore = clicker.processorMilliseconds();
      const double wallBefore = nowMilliseconds();
      sleepMilliseconds(run.durations.processorSeconds * 1000);
      processorPerSecond =
          (clicker.processorMilliseconds() - processorBefore) / (nowMilliseconds() - wallBefore) * 1000;
    }
    if (!stopRandomMode(clicker, run.target)) {
      run.fail(latencyName, "the hotkey did not stop the random mode");
      return;
    }
  }
  if (latencies.size() == static_cast<size_t>(run.durations.latencyRepeats)) {
    run.table.add(latencyName, median(latencies), 0, "ms", 1);
  } else {
    run.fail(latencyName,
             std::to_string(latencies.size()) + " presses of the hotkey were followed by a click");
  }
  if (processorPerSecond >= 0) {
    run.table.add(processorName, processorPerSecond, floor.processorPerSecond, "ms/s", 2);
  } else {
    run.fail(processorName, "the random mode did not click");
  }
}

}  // namespace bench
