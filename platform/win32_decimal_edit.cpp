#include "platform/win32_decimal_edit.h"

#include <commctrl.h>

#include "platform/win32_text.h"

namespace platform {
namespace {

LRESULT CALLBACK decimalEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR rules) {
  // Characters from an input method reach an edit box as WM_IME_CHAR, which it takes directly.
  const bool typed = message == WM_CHAR || message == WM_IME_CHAR;
  if (typed && !reinterpret_cast<const DecimalInputRules*>(rules)->acceptsTypedCharacter(
                   static_cast<uint32_t>(wParam))) {
    return 0;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(edit, decimalEditProc, 0);
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void filterDecimalTyping(HWND edit, const DecimalInputRules& rules) {
  SetWindowSubclass(edit, decimalEditProc, 0, reinterpret_cast<DWORD_PTR>(&rules));
}

void tidyDecimalEdit(HWND edit, const DecimalInputRules& rules) {
  const std::string current = toGbk(windowText(edit));
  const std::string tidied = rules.tidiedText(current);
  if (tidied == current) {
    return;
  }
  DWORD selectionStart = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
  SetWindowTextW(edit, toWide(tidied).c_str());
  SendMessageW(edit, EM_SETSEL, selectionStart, selectionStart);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

}  // namespace platform
