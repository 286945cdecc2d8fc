#include <windows.h>

#include <timeapi.h>

#include <vector>

#include "bench/figures.h"
#include "bench/gap_statistics.h"
#include "bench/precise_clock.h"
#include "bench/program_start.h"
#include "tests/e2e/program_window.h"

namespace bench {
namespace {

// How long a program's start-up work may go on after its window shows, before it counts as idle.
constexpr double settleMilliseconds = 1000;

// One start; negative if the window never showed or the program did not close.
double timedStart(const std::wstring& path) {
  StartedProgram program(path);
  const double milliseconds = program.startMilliseconds();
  return program.close() ? milliseconds : -1;
}

}  // namespace

// Started by turns, so a change in the machine's load touches both programs alike. The timer
// resolution of 1 ms makes the polling's Sleep(1) a millisecond on Windows; it is set only here,
// as on older Windows it would speed up the clicker's timer as well.
Floor measureStartUp(Run& run) {
  say("start-up: clicker.exe and bare_window.exe by turns");
  const std::wstring bare = e2e::besideThisProgram(L"bare_window.exe");
  const std::wstring clicker = e2e::besideThisProgram(L"clicker.exe");
  std::vector<double> bareStarts;
  std::vector<double> clickerStarts;
  timeBeginPeriod(1);
  for (int i = 0; i < run.durations.starts; ++i) {
    if (const double milliseconds = timedStart(bare); milliseconds >= 0) {
      bareStarts.push_back(milliseconds);
    }
    if (const double milliseconds = timedStart(clicker); milliseconds >= 0) {
      clickerStarts.push_back(milliseconds);
    }
  }
  timeEndPeriod(1);
  const std::string name =
      "Start-up to window shown, median of " + std::to_string(run.durations.starts) + " (ref: bare window)";
  if (bareStarts.size() == static_cast<size_t>(run.durations.starts) &&
      clickerStarts.size() == static_cast<size_t>(run.durations.starts)) {
    run.table.add(name, median(clickerStarts), median(bareStarts), "ms", 1);
  } else {
    run.fail(name, std::to_string(clickerStarts.size()) + " clicker and " +
                       std::to_string(bareStarts.size()) +
                       " bare window starts showed their window and closed");
  }

  say("bare window: resource use after start, idle processor time");
  Floor floor;
  StartedProgram program(bare);
  if (program.window() == nullptr) {
    run.fail("Bare window resource use", "bare_window.exe did not show its window");
    return floor;
  }
  sleepMilliseconds(settleMilliseconds);
  floor.afterStart = resourceUseOf(program.process());
  const double processorBefore = usedProcessorMilliseconds(program.process(), program.processId());
  const double wallBefore = nowMilliseconds();
  sleepMilliseconds(run.durations.processorSeconds * 1000);
  floor.processorPerSecond =
      (usedProcessorMilliseconds(program.process(), program.processId()) - processorBefore) /
      (nowMilliseconds() - wallBefore) * 1000;
  program.close();
  return floor;
}

}  // namespace bench
