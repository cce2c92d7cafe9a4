#include "Margins.h"

#include "Numbers.h"

#include <algorithm>

namespace brevath {

std::vector<std::int64_t> ComputeMargins(const ResultTable &table, int rowCount)
{
    constexpr std::int64_t kSpellPointsPerLevel = 15;
    std::vector<std::int64_t> margins(size_t(std::max(rowCount, 0)));
    double runningTotal = 0;
    for (int i = 0; i < rowCount; ++i) {
        runningTotal = RoundHalfEven(runningTotal + LeadingNumber(table.row(i)[ResultField::ExtraSum]));
        margins[i] = kSpellPointsPerLevel * i - std::int64_t(runningTotal);
    }
    // From the last row up, each margin is the least balance from its row on.
    for (int i = rowCount - 2; i >= 0; --i)
        margins[i] = std::min(margins[i], margins[i + 1]);
    return margins;
}

} // namespace brevath
