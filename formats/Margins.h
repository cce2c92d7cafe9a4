#pragma once
// The spell point margin of every exported row.

#include <cstdint>
#include <vector>

#include "Plan.h"

namespace brevath {

// Every row after the first adds 15 spell points; the extra sums of the rows take from
// them. The margin of row i is the least balance of row i and every row after it. The
// running total is 64-bit, so large extra values export with exact margins.
std::vector<std::int64_t> ComputeMargins(const std::vector<PlanLine> &lines);

} // namespace brevath
