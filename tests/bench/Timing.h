// Wall-clock timing for the benchmark programs: samples of one measurement and their summary.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

inline double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

template <typename Work>
double Seconds(Work work) {
    double start = Now();
    work();
    return Now() - start;
}

class Samples {
  public:
    void Add(double seconds) { values_.push_back(seconds); }
    double Min() const { return *std::min_element(values_.begin(), values_.end()); }
    double Median() const {
        std::vector<double> sorted = values_;
        std::sort(sorted.begin(), sorted.end());
        std::size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }

  private:
    std::vector<double> values_;
};

}  // namespace bench
