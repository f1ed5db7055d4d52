#pragma once
// How a benchmark's repeated figures are summed up: median, quartiles and the whole range.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

// The value at fraction `p` (0..1) of the sorted figures, the nearest one.
inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

struct Spread {
    double min = 0, q1 = 0, median = 0, q3 = 0, max = 0;
};

inline Spread spreadOf(const std::vector<double>& v) {
    return {percentile(v, 0), percentile(v, 0.25), percentile(v, 0.5), percentile(v, 0.75), percentile(v, 1)};
}

} // namespace bench
