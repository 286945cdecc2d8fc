#pragma once

namespace app {

// Builds the main window, runs it until it is closed and returns the exit code.
int startUp();

}  // namespace app
