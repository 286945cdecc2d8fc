#include "bench/soak.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/benchmark.h"
#include "bench/precise_clock.h"
#include "platform/unique_handle.h"

namespace bench {
namespace {

constexpr double sampleEveryMilliseconds = 10'000;
// Growth while the program warms up is not a leak; after the first minute it would be.
constexpr double warmUpSeconds = 60;
constexpr double allowedGrowthKiB = 1024;
constexpr double allowedLostFraction = 0.02;

struct Sample {
  double seconds;  // since the first click
  ResourceUse use;
  size_t clicks;
  double idealClicks;
};

Sample takeSample(const ClickerSession& clicker, const TimestampTarget& target, double firstClick) {
  const ResourceUse use = resourceUseOf(clicker.process());
  const size_t clicks = target.pressCount();
  const double elapsed = nowMilliseconds() - firstClick;
  return {elapsed / 1000, use, clicks, 1 + elapsed / shortestInterval.milliseconds};
}

void print(const char* label, const Sample& sample) {
  std::printf(
      "%-8s %7.1f s  working set %8.0f KiB  private %8.0f KiB  GDI %4lu  USER %4lu  handles %4lu  "
      "clicks %7lu of %9.0f\n",
      label, sample.seconds, sample.use.workingSetKiB, sample.use.privateKiB, sample.use.gdiObjects,
      sample.use.userObjects, sample.use.handles, static_cast<unsigned long>(sample.clicks),
      sample.idealClicks);
  std::fflush(stdout);
}

bool write(const std::wstring& path, const std::vector<Sample>& samples) {
  const platform::Unique<FILE*, &std::fclose> file(_wfopen(path.c_str(), L"w"));
  if (!file) {
    return false;
  }
  std::fprintf(file.get(),
               "seconds\tworking_set_kib\tprivate_kib\tgdi_objects\tuser_objects\thandles\tclicks\t"
               "ideal_clicks\n");
  for (const Sample& s : samples) {
    std::fprintf(file.get(), "%.1f\t%.0f\t%.0f\t%lu\t%lu\t%lu\t%lu\t%.0f\n", s.seconds, s.use.workingSetKiB,
                 s.use.privateKiB, s.use.gdiObjects, s.use.userObjects, s.use.handles,
                 static_cast<unsigned long>(s.clicks), s.idealClicks);
  }
  return true;
}

// Growth is measured from the sample at the end of the first minute, or from the first sample in a
// run too short to have one with a later sample after it. Memory counts at its highest, handles at
// the end, as a handle opened for a moment is no leak.
bool judge(const std::vector<Sample>& samples) {
  size_t base = 0;
  for (size_t i = 0; i + 1 < samples.size(); ++i) {
    if (samples[i].seconds >= warmUpSeconds - 1) {
      base = i;
      break;
    }
  }
  const Sample& from = samples[base];
  const Sample& last = samples.back();
  double workingSetGrowth = 0;
  double privateGrowth = 0;
  for (size_t i = base; i < samples.size(); ++i) {
    workingSetGrowth = std::max(workingSetGrowth, samples[i].use.workingSetKiB - from.use.workingSetKiB);
    privateGrowth = std::max(privateGrowth, samples[i].use.privateKiB - from.use.privateKiB);
  }
  const long gdiGrowth = static_cast<long>(last.use.gdiObjects) - static_cast<long>(from.use.gdiObjects);
  const long userGrowth = static_cast<long>(last.use.userObjects) - static_cast<long>(from.use.userObjects);
  const long handleGrowth = static_cast<long>(last.use.handles) - static_cast<long>(from.use.handles);
  const double lost = last.idealClicks - static_cast<double>(last.clicks);
  const double lostFraction = lost / last.idealClicks;

  print("first", samples.front());
  print("last", last);
  std::printf(
      "growth from %.0f s to the end: working set %+.0f KiB, private %+.0f KiB (at most), GDI %+ld, "
      "USER %+ld, handles %+ld\n",
      from.seconds, workingSetGrowth, privateGrowth, gdiGrowth, userGrowth, handleGrowth);
  std::printf("ticks lost: %.0f of %.0f (%.2f %%)\n", lost, last.idealClicks, 100 * lostFraction);
  if (runningUnderWine() && last.use.gdiObjects == 0 && last.use.userObjects == 0 && last.use.handles == 0) {
    std::printf("GDI objects, USER objects and handles: not reported by Wine (0)\n");
  }

  bool passed = true;
  if (workingSetGrowth > allowedGrowthKiB || privateGrowth > allowedGrowthKiB) {
    std::printf("FAIL: memory grew by more than %.0f KiB\n", allowedGrowthKiB);
    passed = false;
  }
  if (gdiGrowth > 0 || userGrowth > 0 || handleGrowth > 0) {
    std::printf("FAIL: GDI objects, USER objects or handles grew\n");
    passed = false;
  }
  if (lostFraction > allowedLostFraction) {
    std::printf("FAIL: more than %.0f %% of the ticks were lost\n", 100 * allowedLostFraction);
    passed = false;
  }
  std::printf(passed ? "soak passed\n" : "soak failed\n");
  return passed;
}

}  // namespace

int runSoak(const std::wstring& folder, int seconds) {
  TimestampTarget target;
  if (!target.exists()) {
    std::fprintf(stderr, "soak: the click target window could not be created\n");
    return 1;
  }
  target.putCursorAtCentre();
  ClickerSession clicker;
  if (!clicker.ready() || !clicker.chooseInterval(shortestInterval)) {
    std::fprintf(stderr, "soak: clicker.exe did not start\n");
    return 1;
  }
  sleepMilliseconds(1000);
  clicker.pressHotkey();
  if (!clicker.captionBecomes(startedCaption) || !waitForPresses(target, 1, 3000)) {
    std::fprintf(stderr, "soak: the hotkey did not start the clicks\n");
    return 1;
  }
  const double firstClick = target.presses().front();
  std::printf("== clicking at 0.01 s for %d s, a sample every %.0f s\n", seconds,
              sampleEveryMilliseconds / 1000);
  std::vector<Sample> samples;
  for (double due = 0;; due += sampleEveryMilliseconds) {
    due = std::min(due, seconds * 1000.0);
    sleepMilliseconds(std::max(0.0, firstClick + due - nowMilliseconds()));
    samples.push_back(takeSample(clicker, target, firstClick));
    print("sample", samples.back());
    if (due >= seconds * 1000.0) {
      break;
    }
  }
  clicker.pressHotkey();
  const bool stopped = clicker.captionBecomes(stoppedCaption);
  const auto exitCode = clicker.close();
  if (!write(folder + L"\\soak.tsv", samples)) {
    std::fprintf(stderr, "soak: could not write soak.tsv\n");
    return 1;
  }
  bool passed = judge(samples);
  if (!stopped) {
    std::printf("FAIL: the hotkey did not stop the clicks\n");
    passed = false;
  }
  if (!exitCode || *exitCode != 0) {
    std::printf("FAIL: clicker.exe did not end cleanly when closed\n");
    passed = false;
  }
  return passed ? 0 : 1;
}

}  // namespace bench
