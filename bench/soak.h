#pragma once

#include <string>

namespace bench {

// Clicks at 0.01 s for the given time, reading the clicker's resource use and the clicks received
// every 10 s into soak.tsv in the folder. Non-zero if memory or handles grew or clicks were lost.
int runSoak(const std::wstring& folder, int seconds);

}  // namespace bench
