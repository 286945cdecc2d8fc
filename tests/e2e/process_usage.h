#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

// The identifiers of another process's threads, as they are now.
std::vector<DWORD> threadsOf(DWORD processId);

// Kernel plus user time of the process's threads so far, in 100 ns units. Summed thread by thread
// because Wine's GetProcessTimes leaves out most of another process's time.
ULONGLONG processorTime(DWORD processId);

}  // namespace e2e
