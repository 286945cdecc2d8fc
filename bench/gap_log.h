#pragma once

#include <string>
#include <vector>

namespace bench {

// Every gap between clicks, for the plot: interval (s, as the list shows it), time since the run's
// first click (s), gap (ms), written as CSV.
class GapLog {
 public:
  void add(const std::string& interval, const std::vector<double>& clickTimes);
  bool write(const std::wstring& path) const;

 private:
  struct Gap {
    std::string interval;
    double seconds;
    double milliseconds;
  };
  std::vector<Gap> gaps_;
};

}  // namespace bench
