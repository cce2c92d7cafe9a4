#include "Margins.h"

#include <algorithm>

namespace brevath {

std::vector<std::int64_t> ComputeMargins(const std::vector<PlanLine> &lines)
{
    constexpr std::int64_t kSpellPointsPerLevel = 15;
    const int rowCount = int(lines.size());
    std::vector<std::int64_t> margins(lines.size());
    std::int64_t runningTotal = 0;
    for (int i = 0; i < rowCount; ++i) {
        runningTotal += lines[size_t(i)].extraSum;
        margins[size_t(i)] = kSpellPointsPerLevel * i - runningTotal;
    }
    // From the last row up, each margin is the least balance from its row on.
    for (int i = rowCount - 2; i >= 0; --i)
        margins[i] = std::min(margins[i], margins[i + 1]);
    return margins;
}

} // namespace brevath
