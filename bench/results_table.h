#pragma once

#include <string>
#include <vector>

namespace bench {

// A number with the given count of decimals.
std::string fixed(double value, int decimals);

// The figures of one run, each beside the figure it is judged against, written as tab-separated
// rows: name, value, reference, ratio, unit. Each row is printed as it is added.
class ResultsTable {
 public:
  // The ratio value ÷ reference is left out ("-") where the reference is 0.
  void add(const std::string& name, double value, double reference, const std::string& unit, int decimals);
  // A figure given as text: one that was not measured, or that the system does not report.
  void addText(const std::string& name, const std::string& value, const std::string& reference,
               const std::string& unit);
  bool write(const std::wstring& path) const;

 private:
  struct Row {
    std::string name, value, reference, ratio, unit;
  };
  void append(Row row);

  std::vector<Row> rows_;
};

}  // namespace bench
