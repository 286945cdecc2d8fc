#include "tests/e2e/process_usage.h"

#include <tlhelp32.h>

#include "platform/unique_handle.h"

namespace e2e {
namespace {

using UniqueHandle = platform::Unique<HANDLE, &CloseHandle>;

ULONGLONG toHundredsOfNanoseconds(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

std::vector<DWORD> threadsOf(DWORD processId) {
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  std::vector<DWORD> threads;
  for (BOOL found = Thread32First(snapshot.get(), &entry); found;
       found = Thread32Next(snapshot.get(), &entry)) {
    if (entry.th32OwnerProcessID == processId) {
      threads.push_back(entry.th32ThreadID);
    }
  }
  return threads;
}

ULONGLONG processorTime(DWORD processId) {
  ULONGLONG sum = 0;
  for (const DWORD threadId : threadsOf(processId)) {
    const UniqueHandle thread(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, threadId));
    FILETIME created, exited, kernel, user;
    if (thread && GetThreadTimes(thread.get(), &created, &exited, &kernel, &user)) {
      sum += toHundredsOfNanoseconds(kernel) + toHundredsOfNanoseconds(user);
    }
  }
  return sum;
}

}  // namespace e2e
