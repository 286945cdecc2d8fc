#include "tests/e2e/program_window.h"

namespace e2e {
namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK noteMainWindow(HWND window, LPARAM search) {
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

std::wstring besideThisProgram(const std::wstring& fileName) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + fileName;
}

HWND shownMainWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(noteMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace e2e
