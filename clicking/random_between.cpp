#include "clicking/random_between.h"

#ifdef _MSC_VER
#include <intrin.h>
#else
#include <x86intrin.h>
#endif

namespace clicking {

int32_t randomBetween(int32_t lo, int32_t hi) {
  return randomBetween(lo, hi, static_cast<uint32_t>(__rdtsc()));
}

int32_t randomBetween(int32_t lo, int32_t hi, uint32_t counter) {
  if (hi < lo) {
    return 0;
  }
  const uint32_t r = counter * 23u + 7u;
  const uint32_t span = static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u;
  return static_cast<int32_t>(static_cast<uint32_t>(lo) + r % span);
}

}  // namespace clicking
