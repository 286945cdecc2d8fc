#include "tests/e2e/clicker_process.h"

#include <string>

#include "tests/e2e/message_pump.h"

namespace e2e {
namespace {

constexpr DWORD startTimeoutMilliseconds = 15000;

std::wstring clickerPath() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"clicker.exe";
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

// Hidden helper windows belong to the process too; the main window is its shown, unowned one.
BOOL CALLBACK findMainWindow(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<WindowSearch*>(search);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == wanted.processId && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
    wanted.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

ClickerProcess::ClickerProcess() {
  std::wstring commandLine = L"\"" + clickerPath() + L"\"";
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
  WindowSearch search{processId_, nullptr};
  waitUntil(
      [&] {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr || !isRunning();
      },
      startTimeoutMilliseconds);
  window_ = search.found;
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
