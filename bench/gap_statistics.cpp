#include "bench/gap_statistics.h"

#include <algorithm>
#include <cmath>

namespace bench {

std::vector<double> gapsBetween(const std::vector<double>& times) {
  std::vector<double> gaps;
  for (size_t i = 1; i < times.size(); ++i) {
    gaps.push_back(times[i] - times[i - 1]);
  }
  return gaps;
}

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) {
    return 0;
  }
  const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(values.size())));
  const size_t index = std::clamp<size_t>(rank, 1, values.size()) - 1;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(index), values.end());
  return values[index];
}

std::vector<double> deviationsFrom(const std::vector<double>& gaps, double periodMilliseconds) {
  std::vector<double> deviations;
  deviations.reserve(gaps.size());
  for (const double gap : gaps) {
    deviations.push_back(std::fabs(gap - periodMilliseconds));
  }
  return deviations;
}

}  // namespace bench
