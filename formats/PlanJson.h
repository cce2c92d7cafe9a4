#pragma once
// A plan as JSON, for other programs: the sheet, the goals with the level each is reached
// at (null: never), and the result rows with numbers as numbers.

#include <QByteArray>
#include <vector>

#include "PlanInputs.h"
#include "PlanComparison.h"
#include "ResultTable.h"

namespace brevath {

QByteArray PlanJson(const PlanInputs &inputs, const std::vector<ReachedGoal> &goals,
                    const std::vector<ResultRow> &rows);

} // namespace brevath
