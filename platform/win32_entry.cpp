#include <windows.h>

#include "app/start_up.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return app::startUp();
}
