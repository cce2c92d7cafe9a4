#pragma once
// A plan as JSON, for other programs: the sheet, the goals with the level each is reached
// at (null: never), and the result rows with numbers as numbers.

#include <QByteArray>

#include "Plan.h"
#include "PlanInputs.h"

namespace brevath {

class CaptionTable;

QByteArray PlanJson(const PlanInputs &inputs, const Plan &plan, const CaptionTable &captions);

} // namespace brevath
