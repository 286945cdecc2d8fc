#pragma once

#include <vector>

namespace bench {

// The time between each click and the next, in milliseconds.
std::vector<double> gapsBetween(const std::vector<double>& times);

// The value below which the given fraction of the values lie (nearest rank); 0 for none.
double percentile(std::vector<double> values, double fraction);
inline double median(const std::vector<double>& values) {
  return percentile(values, 0.5);
}

// How far each gap strays from the period, either way.
std::vector<double> deviationsFrom(const std::vector<double>& gaps, double periodMilliseconds);

}  // namespace bench
