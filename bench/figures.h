#pragma once

#include "bench/benchmark.h"

// The benchmark's measurements, each adding its figures to the run's table.
namespace bench {

// start_up_figures.cpp: CreateProcessW to the main window shown, for the clicker and the bare window
// program; and the bare window's resource use and idle processor time, the floor for the clicker's.
Floor measureStartUp(Run& run);

// clicking_figures.cpp: the rate at one list interval and how the gaps stray from it; with
// `floor`, the processor time spent meanwhile too.
void measureRate(Run& run, ClickerSession& clicker, const ListInterval& interval, const Floor* floor);
// Hotkey to first click at 0.1 s: one period is ideal.
void measureFixedLatency(Run& run, ClickerSession& clicker);
// Hotkey to first click in the random mode (at once is ideal), and its processor time with pauses of
// up to 1 s. Leaves the random mode's check box ticked.
void measureRandomMode(Run& run, ClickerSession& clicker, const Floor& floor);

// resource_figures.cpp: memory, GUI objects and handles, against a reference.
void addResourceUse(Run& run, const std::string& when, const ResourceUse& use, const ResourceUse& reference);
void measureIdleProcessor(Run& run, ClickerSession& clicker, const Floor& floor);
// Clicking at 0.01 s for a long time: the clicks received and the resource use at the end, against
// the use after start.
void measureLongClicking(Run& run, ClickerSession& clicker, const ResourceUse& afterStart);

}  // namespace bench
