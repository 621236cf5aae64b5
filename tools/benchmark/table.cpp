#include "table.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double minimum(const std::vector<double>& samples) {
  return samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end());
}

double median(const std::vector<double>& samples) {
  if (samples.empty()) return 0;
  std::vector<double> sorted = samples;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t n = sorted.size();
  return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double ratio(const Row& row) {
  const double bare = median(row.bare.samples);
  return bare > 0 ? median(row.ours.samples) / bare : 0;
}

void printTable(const std::vector<Row>& rows) {
  std::printf("%-3s %-44s %10s %10s   %-44s %10s %10s %7s %3s\n", "fig", "path", "min", "median",
              "bare baseline", "min", "median", "ratio", "n");
  for (const Row& row : rows) {
    char ratioText[16] = "-";
    if (ratio(row) > 0) std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio(row));
    std::printf("%-3s %-44s %8.1f%-2s %8.1f%-2s   %-44s %8.1f%-2s %8.1f%-2s %7s %3zu\n",
                row.figure.c_str(), row.ours.name.c_str(), minimum(row.ours.samples), row.unit.c_str(),
                median(row.ours.samples), row.unit.c_str(), row.bare.name.c_str(),
                minimum(row.bare.samples), row.unit.c_str(), median(row.bare.samples),
                row.unit.c_str(), ratioText, row.ours.samples.size());
  }
  std::fflush(stdout);
}

}  // namespace bench
