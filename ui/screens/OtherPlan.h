#pragma once
// The second plan of a comparison, from a choice file or a share code, played apart from the
// session so that a refused one leaves everything as it was.

#include <QString>
#include <optional>

#include "Plan.h"
#include "PlanFile.h"

namespace brevath {
struct Workspace;
}

namespace brevath::ui {

struct OtherPlan
{
    std::optional<Plan> plan; // empty: refused, and message says why
    QString name; // for the comparison's column title
    QString message; // refusal, or how many goals were translated (may be empty)
};

// A choice file's goals, translated from the other languages of the data folder where they
// name nothing in force, on the session's sheet. Goals that still name nothing refuse it: a
// comparison that silently skips one would mislead.
OtherPlan OtherPlanFromFile(const QString &path, Workspace &workspace);
// A share code with its own sheet.
OtherPlan OtherPlanFromCode(const QString &code, const Workspace &workspace);
// A plan file's plan, with its own sheet; refused, as a choice file is, when a goal names nothing.
OtherPlan OtherPlanFromPlanFile(const PlanFile &plan, Workspace &workspace);

} // namespace brevath::ui
