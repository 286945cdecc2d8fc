#pragma once

#include "platform/window_description.h"

namespace app {

// The main window: its caption, size and every control with its place and initial value.
extern const platform::WindowDescription mainWindowLayout;

}  // namespace app
