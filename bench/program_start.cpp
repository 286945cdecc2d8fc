#include "bench/program_start.h"

#include "bench/precise_clock.h"
#include "tests/e2e/program_window.h"

namespace bench {
namespace {

constexpr double startTimeoutMilliseconds = 15000;

}  // namespace

StartedProgram::StartedProgram(const std::wstring& path) {
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const double begun = nowMilliseconds();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return;
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  processId_ = started.dwProcessId;
  // Sleep(1) sleeps a millisecond only while the timer resolution is 1 ms; the caller sets it.
  for (;;) {
    const HWND found = e2e::shownMainWindowOf(processId_);
    const double now = nowMilliseconds();
    if (found != nullptr) {
      window_ = found;
      startMilliseconds_ = now - begun;
      return;
    }
    if (now - begun > startTimeoutMilliseconds || WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT) {
      return;
    }
    Sleep(1);
  }
}

StartedProgram::~StartedProgram() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

bool StartedProgram::close(DWORD timeoutMilliseconds) {
  if (!process_) {
    return false;
  }
  PostMessageW(window_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.get(), timeoutMilliseconds) == WAIT_OBJECT_0;
}

}  // namespace bench
