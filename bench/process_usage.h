#pragma once

#include <windows.h>

namespace bench {

// What another process holds at one moment.
struct ResourceUse {
  double workingSetKiB = 0;
  double privateKiB = 0;  // PagefileUsage: the memory committed for it alone, where a leak shows
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  DWORD handles = 0;
};

// The process handle needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
ResourceUse resourceUseOf(HANDLE process);

// User plus kernel time the process has used so far, in milliseconds, as GetProcessTimes tells it.
double processorMilliseconds(HANDLE process);
// The same summed over the process's threads with GetThreadTimes, for systems whose GetProcessTimes
// leaves out another process's time (Wine's does); 0 if the threads cannot be read.
double threadsProcessorMilliseconds(DWORD processId);

// The better of the two: on Windows GetProcessTimes is the larger, as it counts threads that have
// ended too; under Wine the sum over the threads is.
double usedProcessorMilliseconds(HANDLE process, DWORD processId);

// Whether this runs under Wine, which leaves some of these figures at 0.
bool runningUnderWine();

}  // namespace bench
