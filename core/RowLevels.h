#pragma once
// The level at which each goal row is reached, worked out on every edit: the numbers-only
// rise over the rows as they stand, without building a single line of text.

#include <array>

#include "ChoiceList.h"
#include "GoalRows.h"
#include "PlanInputs.h"
#include "Simulation.h"

namespace brevath {

class Catalogue;
class CaptionTable;

// A row that holds no goal the plan plays: empty, naming nothing, or a statistic value that
// cannot be packed.
constexpr int kNoGoal = -2;

using RowLevelArray = std::array<int, kChoiceRows>;

// Per row: the level at which the plan reaches its goal, kNeverReached when it never does,
// kNoGoal when the row holds none. The rows that do are planned in their order, as the
// results screen plans them.
RowLevelArray RowLevels(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions,
                        const PlanInputs &inputs);

} // namespace brevath
