#include "tests/e2e/clicker_process.h"

#include <string>

#include "tests/e2e/message_pump.h"
#include "tests/e2e/program_window.h"

namespace e2e {
namespace {

constexpr DWORD startTimeoutMilliseconds = 15000;

}  // namespace

ClickerProcess::ClickerProcess() {
  std::wstring commandLine = L"\"" + besideThisProgram(L"clicker.exe") + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return;
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  processId_ = started.dwProcessId;
  waitUntil(
      [&] {
        window_ = shownMainWindowOf(processId_);
        return window_ != nullptr || !isRunning();
      },
      startTimeoutMilliseconds);
}

ClickerProcess::~ClickerProcess() {
  if (isRunning()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND ClickerProcess::control(platform::Control name) const {
  const int id = static_cast<int>(name);
  if (const HWND onWindow = GetDlgItem(window_, id)) {
    return onWindow;
  }
  return GetDlgItem(GetDlgItem(window_, static_cast<int>(platform::Control::分组框1)), id);
}

bool ClickerProcess::isRunning() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ClickerProcess::close(DWORD timeoutMilliseconds) {
  if (!process_) {
    return std::nullopt;
  }
  if (isRunning()) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), timeoutMilliseconds) != WAIT_OBJECT_0) {
      return std::nullopt;
    }
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(process_.get(), &exitCode);
  return exitCode;
}

}  // namespace e2e
