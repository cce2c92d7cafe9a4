#pragma once
// Why each goal comes when it does, told in the tooltip of the names cell of its line.

#include <QString>
#include <vector>

#include "Plan.h"

namespace brevath {
struct Workspace;
}

namespace brevath::ui {

// For each line of a plan of the session's sheet: for every goal named there, its
// requirements (statistic labels, entries 68 to 72; the level gate with entry 41) and the
// level it would be usable at were it first in the list, from a rise with that goal alone.
// Goals sharing a line come in list order. Empty for the lines that name no goal.
std::vector<QString> GoalToolTips(const Workspace &workspace, const Plan &plan);

} // namespace brevath::ui
