#include "app/start_up.h"

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "platform/win32_main_window.h"

namespace app {

int startUp() {
  return platform::runMainWindow(
      mainWindowLayout, [](platform::Platform& platform) { return std::make_unique<MainWindow>(platform); });
}

}  // namespace app
