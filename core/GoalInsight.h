#pragma once
// Why each goal of a plan comes when it does.

#include <cstdint>
#include <optional>
#include <vector>

#include "ChoiceList.h"
#include "ResultTable.h"
#include "Simulation.h"

namespace brevath {

class Catalogue;
class CaptionTable;

// For every ChoiceList row, the index of the plan line that names it, or -1 when no line
// does. Statistics never fall and the usable check follows every spending pass, so a goal
// is named on the first line after the starting one whose statistics and level allow it.
std::vector<int> NamingLines(const RowViews &views, const ChoiceList &list, const std::vector<ResultRow> &lines);

// The level at which the goal would be named were it the only one, from the same start;
// empty when the rise ends before it.
std::optional<std::int64_t> EarliestLevelAlone(const ChoiceRow &goal, const Catalogue &catalogue,
                                               const CaptionTable &captions, const RiseStart &start);

} // namespace brevath
