// The times of a run of frames, summed up as the table shows them.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

class FrameSamples {
public:
  void Add(double milliseconds) { samples_.push_back(milliseconds); }
  bool Empty() const { return samples_.empty(); }
  size_t Count() const { return samples_.size(); }
  double Median() const { return Percentile(0.5); }
  double P95() const { return Percentile(0.95); }

private:
  // The nearest-rank percentile: the smallest sample that at least `fraction` of all reach.
  double Percentile(double fraction) const {
    if (samples_.empty()) return 0;
    std::vector<double> sorted = samples_;
    std::sort(sorted.begin(), sorted.end());
    const size_t rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::max<size_t>(rank, 1) - 1];
  }

  std::vector<double> samples_;
};
