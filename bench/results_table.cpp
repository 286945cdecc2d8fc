#include "bench/results_table.h"

#include <cstdio>

#include "platform/unique_handle.h"

namespace bench {
namespace {

// Three decimals tell 0.998 from 1; larger ratios need fewer.
std::string ratioText(double value, double reference) {
  if (reference <= 0) {
    return "-";
  }
  const double ratio = value / reference;
  return fixed(ratio, ratio < 10 ? 3 : ratio < 100 ? 1 : 0);
}

}  // namespace

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

void ResultsTable::add(const std::string& name, double value, double reference, const std::string& unit,
                       int decimals) {
  append({name, fixed(value, decimals), fixed(reference, decimals), ratioText(value, reference), unit});
}

void ResultsTable::addText(const std::string& name, const std::string& value, const std::string& reference,
                           const std::string& unit) {
  append({name, value, reference, "-", unit});
}

void ResultsTable::append(Row row) {
  std::printf("  %-58s %14s  (reference %s, ratio %s) %s\n", row.name.c_str(), row.value.c_str(),
              row.reference.c_str(), row.ratio.c_str(), row.unit.c_str());
  std::fflush(stdout);
  rows_.push_back(std::move(row));
}

bool ResultsTable::write(const std::wstring& path) const {
  const platform::Unique<FILE*, &std::fclose> file(_wfopen(path.c_str(), L"w"));
  if (!file) {
    return false;
  }
  std::fprintf(file.get(), "name\tvalue\treference\tratio\tunit\n");
  for (const Row& row : rows_) {
    std::fprintf(file.get(), "%s\t%s\t%s\t%s\t%s\n", row.name.c_str(), row.value.c_str(),
                 row.reference.c_str(), row.ratio.c_str(), row.unit.c_str());
  }
  return true;
}

}  // namespace bench
