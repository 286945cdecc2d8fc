#pragma once

#include <windows.h>

namespace e2e {

// The centre of a window on the screen.
POINT centreOf(HWND window);
// Moves the mouse as the device would, so the window below the pointer receives the move.
void moveMouseTo(POINT onScreen);
// Moves the mouse there as the device would, again and again until the pointer stays: a running
// clicker puts the cursor back where it read it just before each click, which undoes a move made in
// between. Says whether it stayed.
bool moveMouseToAndKeepItThere(POINT onScreen);
// Moves the mouse there and presses and releases the left button.
void leftClickAt(POINT onScreen);

}  // namespace e2e
