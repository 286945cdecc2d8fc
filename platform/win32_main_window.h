#pragma once

#include <functional>
#include <memory>

#include "platform/main_window_events.h"
#include "platform/platform.h"
#include "platform/window_description.h"

namespace platform {

using MakeEvents = std::function<std::unique_ptr<MainWindowEvents>(Platform&)>;

// Creates the main window hidden with all its controls, lets makeEvents build the handlers over the
// window, raises the created event, shows the window and runs the event loop until the window is
// gone. Returns the program's exit code.
int runMainWindow(const WindowDescription& description, const MakeEvents& makeEvents);

}  // namespace platform
