#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// Reads and changes the controls of another process's window. Messages go through SendMessageTimeoutW,
// so a hung clicker fails the test instead of hanging it.
namespace e2e {

struct Place {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const Place&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Place& place);

// The caption as the system keeps it; for another process's window no message is sent.
std::wstring windowText(HWND window);
// What the control itself answers to WM_GETTEXT: an edit box's contents, a combo box's selection.
std::wstring controlText(HWND control);
std::wstring className(HWND window);
int comboSelection(HWND comboBox);
std::vector<std::wstring> comboItems(HWND comboBox);
bool isChecked(HWND checkBox);
// The outer rectangle in the parent's client coordinates.
Place placeInParent(HWND window);
// The outer rectangle on the screen.
Place placeOnScreen(HWND window);

// Change a control as the user would; the control's own handling (and its notifications) runs.
void setText(HWND control, const std::wstring& text);
void click(HWND button);
void selectItem(HWND comboBox, int index);

}  // namespace e2e
