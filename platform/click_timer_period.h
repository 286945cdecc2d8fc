#pragma once

#include <cstdint>

namespace platform {

// The rules of the click timer's period, apart from whatever makes the timer tick.
class ClickTimerPeriod {
 public:
  enum class Change { none, start, stop };

  int32_t read() const { return period_; }

  // Stores the period and says what the ticking must do: a positive new value (re)starts it, so the
  // next tick is one full period away; 0 or less stops it and stores 0; the same value keeps the phase.
  Change write(int32_t milliseconds) {
    if (milliseconds <= 0) {
      const bool wasRunning = period_ != 0;
      period_ = 0;
      return wasRunning ? Change::stop : Change::none;
    }
    if (milliseconds == period_) {
      return Change::none;
    }
    period_ = milliseconds;
    return Change::start;
  }

 private:
  int32_t period_ = 0;
};

}  // namespace platform
