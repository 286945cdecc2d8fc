#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/unique_handle.h"
#include "tests/e2e/clicker_process.h"

namespace bench {

inline const std::wstring startedCaption = L"鼠标连点器[已启动]";
inline const std::wstring stoppedCaption = L"鼠标连点器[已停止]";

// Items of the interval list.
struct ListInterval {
  int index;
  double milliseconds;
  const char* label;  // as the list shows it, in seconds
};

// A clicker.exe from the benchmark's folder, driven as the user does: the interval list, the random
// mode's check box and maximum, and the F8 hotkey.
class ClickerSession {
 public:
  ClickerSession();

  // Its window was shown and its process can be measured.
  bool ready() const { return clicker_.window() != nullptr && static_cast<bool>(process_); }
  HANDLE process() const { return process_.get(); }

  bool chooseInterval(const ListInterval& interval);
  // Types the longest pause in whole seconds and ticks the random mode's check box.
  bool useRandomMode(const std::wstring& longestSeconds);
  // Presses the hotkey; the bench::nowMilliseconds time just before the press.
  double pressHotkey();
  bool captionBecomes(const std::wstring& caption, DWORD timeoutMilliseconds = 5000) const;
  // User plus kernel time used so far, in milliseconds.
  double processorMilliseconds() const;
  // Closes it as the close button does; its exit code, or nothing if it did not end in time.
  std::optional<DWORD> close() { return clicker_.close(); }

 private:
  e2e::ClickerProcess clicker_;
  DWORD processId_ = 0;
  platform::Unique<HANDLE, &CloseHandle> process_;
};

}  // namespace bench
