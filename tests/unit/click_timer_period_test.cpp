#include "platform/click_timer_period.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

using Change = ClickTimerPeriod::Change;

struct Write {
  int32_t milliseconds;
  Change change;
  int32_t stored;
};

struct PeriodCase {
  const char* name;
  std::vector<Write> writes;
};

TEST(ClickTimerPeriodTest, WritesFollowThePeriodRules) {
  const PeriodCase cases[] = {
      {"positive starts", {{100, Change::start, 100}}},
      {"same value keeps the phase", {{100, Change::start, 100}, {100, Change::none, 100}}},
      {"new value restarts", {{100, Change::start, 100}, {50, Change::start, 50}}},
      {"zero stops and stores 0", {{100, Change::start, 100}, {0, Change::stop, 0}}},
      {"negative stops and stores 0", {{100, Change::start, 100}, {-5, Change::stop, 0}}},
      {"zero while stopped does nothing", {{0, Change::none, 0}}},
      {"negative while stopped stays 0", {{-1000, Change::none, 0}}},
      {"starts again after a stop",
       {{100, Change::start, 100}, {0, Change::stop, 0}, {100, Change::start, 100}}},
  };
  for (const PeriodCase& c : cases) {
    SCOPED_TRACE(c.name);
    ClickTimerPeriod period;
    EXPECT_EQ(period.read(), 0);
    for (const Write& write : c.writes) {
      EXPECT_EQ(period.write(write.milliseconds), write.change);
      EXPECT_EQ(period.read(), write.stored);
    }
  }
}

}  // namespace
}  // namespace platform
