#include "bench/process_usage.h"

#include <psapi.h>

#include <algorithm>

#include "tests/e2e/process_usage.h"

namespace bench {
namespace {


double milliseconds(const FILETIME& time) {
  const ULONGLONG hundredsOfNanoseconds =
      (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return static_cast<double>(hundredsOfNanoseconds) / 10'000.0;
}

}  // namespace

ResourceUse resourceUseOf(HANDLE process) {
  ResourceUse use;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  // PagefileUsage rather than PROCESS_MEMORY_COUNTERS_EX's PrivateUsage, which Wine leaves at 0.
  if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
    use.workingSetKiB = static_cast<double>(memory.WorkingSetSize) / 1024.0;
    use.privateKiB = static_cast<double>(memory.PagefileUsage) / 1024.0;
  }
  use.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  use.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  GetProcessHandleCount(process, &use.handles);
  return use;
}

double processorMilliseconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
    return 0;
  }
  return milliseconds(kernel) + milliseconds(user);
}

double threadsProcessorMilliseconds(DWORD processId) {
  return static_cast<double>(e2e::processorTime(processId)) / 10'000.0;
}

double usedProcessorMilliseconds(HANDLE process, DWORD processId) {
  return std::max(processorMilliseconds(process), threadsProcessorMilliseconds(processId));
}

bool runningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace bench
