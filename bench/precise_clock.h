#pragma once

#include <windows.h>

namespace bench {

// Milliseconds from the performance counter, from an arbitrary origin: fine enough to tell apart
// clicks 10 ms apart, where GetTickCount moves in steps of 10 to 16 ms on Windows.
inline double nowMilliseconds() {
  static const double countsPerMillisecond = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / countsPerMillisecond;
}

}  // namespace bench
