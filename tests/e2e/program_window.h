#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// A file in the folder of the running program, where the programs under test are built.
std::wstring besideThisProgram(const std::wstring& fileName);

// The process's main window: its shown, unowned top-level window, not the hidden helpers it also
// has. Null while it has none.
HWND shownMainWindowOf(DWORD processId);

}  // namespace e2e
