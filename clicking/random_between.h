#pragma once

#include <cstdint>

namespace clicking {

// A whole number from lo to hi inclusive, 0 when hi < lo. It has no seed and no state: each call
// derives it from the processor's time-stamp counter at that moment. The span hi - lo + 1 must not
// wrap to 0.
int32_t randomBetween(int32_t lo, int32_t hi);

// The same, from a given counter reading.
int32_t randomBetween(int32_t lo, int32_t hi, uint32_t counter);

}  // namespace clicking
