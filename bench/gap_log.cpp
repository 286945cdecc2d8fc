#include "bench/gap_log.h"

#include <cstdio>

#include "platform/unique_handle.h"

namespace bench {

void GapLog::add(const std::string& interval, const std::vector<double>& clickTimes) {
  for (size_t i = 1; i < clickTimes.size(); ++i) {
    gaps_.push_back(
        {interval, (clickTimes[i] - clickTimes.front()) / 1000.0, clickTimes[i] - clickTimes[i - 1]});
  }
}

bool GapLog::write(const std::wstring& path) const {
  const platform::Unique<FILE*, &std::fclose> file(_wfopen(path.c_str(), L"w"));
  if (!file) {
    return false;
  }
  std::fprintf(file.get(), "interval_s,time_s,gap_ms\n");
  for (const Gap& gap : gaps_) {
    std::fprintf(file.get(), "%s,%.4f,%.3f\n", gap.interval.c_str(), gap.seconds, gap.milliseconds);
  }
  return true;
}

}  // namespace bench
