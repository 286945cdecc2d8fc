#include "bench/figures.h"
#include "bench/precise_clock.h"

namespace bench {
namespace {

// Wine answers 0 for another process's GUI objects and handles; 0 is no figure there.
void addCount(Run& run, const std::string& name, double count, double reference, const std::string& unit) {
  if (count == 0 && runningUnderWine()) {
    run.table.addText(name, "0 (not reported by Wine)", fixed(reference, 0), unit);
    return;
  }
  run.table.add(name, count, reference, unit, 0);
}

}  // namespace

void addResourceUse(Run& run, const std::string& when, const ResourceUse& use, const ResourceUse& reference) {
  run.table.add("Working set, " + when, use.workingSetKiB, reference.workingSetKiB, "KiB", 0);
  addCount(run, "Private bytes (PagefileUsage), " + when, use.privateKiB, reference.privateKiB, "KiB");
  addCount(run, "GDI objects, " + when, use.gdiObjects, reference.gdiObjects, "objects");
  addCount(run, "USER objects, " + when, use.userObjects, reference.userObjects, "objects");
  addCount(run, "Kernel handles, " + when, use.handles, reference.handles, "handles");
}

void measureIdleProcessor(Run& run, ClickerSession& clicker, const Floor& floor) {
  say("idle processor time");
  const double processorBefore = clicker.processorMilliseconds();
  const double wallBefore = nowMilliseconds();
  sleepMilliseconds(run.durations.processorSeconds * 1000);
  run.table.add("Processor time idle (ref: bare window idle)",
                (clicker.processorMilliseconds() - processorBefore) / (nowMilliseconds() - wallBefore) * 1000,
                floor.processorPerSecond, "ms/s", 2);
}

// The clicks are counted from the first, whose time is known to the millisecond, to the moment the
// resource use is read, still clicking.
void measureLongClicking(Run& run, ClickerSession& clicker, const ResourceUse& afterStart) {
  const std::string duration = fixed(run.durations.longClickingSeconds, 0) + " s";
  say("clicking at 0.01 s for " + duration);
  const std::string when = "after " + duration + " at 0.01 s (ref: after start)";
  const std::string clicksName = "Clicks received in " + duration + " at 0.01 s (ref: ideal)";
  if (!clicker.chooseInterval(shortestInterval)) {
    run.fail(clicksName, "the interval list did not take the item");
    return;
  }
  run.target.forgetPresses();
  clicker.pressHotkey();
  if (!clicker.captionBecomes(startedCaption) || !waitForPresses(run.target, 1, 3000)) {
    run.fail(clicksName, "the hotkey did not start the clicks");
    return;
  }
  const double first = run.target.presses().front();
  sleepMilliseconds(run.durations.longClickingSeconds * 1000);
  const ResourceUse use = resourceUseOf(clicker.process());
  const double elapsed = nowMilliseconds() - first;
  const size_t received = run.target.pressCount();
  clicker.pressHotkey();
  if (!clicker.captionBecomes(stoppedCaption)) {
    run.fail("Stop after " + duration + " at 0.01 s", "the caption did not turn to stopped");
  }
  sleepMilliseconds(300);
  run.table.add(clicksName, static_cast<double>(received), 1 + elapsed / shortestInterval.milliseconds,
                "clicks", 0);
  addResourceUse(run, when, use, afterStart);
}

}  // namespace bench
