#pragma once
// Samples of one path and of its bare baseline, taken in the same rounds, and
// the table and closing lines they are reported in.
#include <string>
#include <vector>

namespace bench {

struct Side {
  std::string name;
  std::vector<double> samples;
};

struct Row {
  std::string figure;   // "1", "2", ...
  std::string unit;     // "ms", "MB"
  Side ours;
  Side bare;
};

double minimum(const std::vector<double>& samples);
double median(const std::vector<double>& samples);
// Median of ours over median of the baseline; 0 when the baseline's is 0.
double ratio(const Row& row);

// One line a row: min and median of each side and the ratio of the medians.
void printTable(const std::vector<Row>& rows);

}  // namespace bench
