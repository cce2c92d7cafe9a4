#include "OtherPlan.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ChoiceFile.h"
#include "GoalTranslation.h"
#include "ShareCode.h"
#include "Workspace.h"

namespace brevath::ui {

namespace {

OtherPlan Refused(const QString &message)
{
    return {std::nullopt, QString(), message};
}

OtherPlan Played(const GoalRows &goals, const PlanInputs &inputs, const Workspace &workspace, const QString &name)
{
    std::optional<Plan> plan = PlayPlan(goals, inputs, workspace.catalogue, workspace.captions);
    if (!plan)
        return Refused(workspace.captions.entry(Caption::CommitFailed));
    return {std::move(plan), name, QString()};
}

// Goals that still name nothing refuse a plan: a comparison that silently skips one would mislead.
// unknownMessage: what to say, with %n goals naming nothing.
OtherPlan PlayedIfWhole(const GoalRows &rows, const PlanInputs &inputs, const Workspace &workspace, const QString &name,
                        int translated, const char *unknownMessage)
{
    int unknown = 0;
    for (int row = 0; row < kChoiceRows; ++row)
        unknown += int(RowNamesNothing(rows, row, workspace.catalogue, workspace.captions));
    if (unknown > 0)
        return Refused(QCoreApplication::translate("Brevath", unknownMessage, nullptr, unknown));
    OtherPlan other = Played(rows, inputs, workspace, name);
    if (other.plan && translated > 0)
        other.message = TranslatedGoalsMessage(translated);
    return other;
}

} // namespace

OtherPlan OtherPlanFromFile(const QString &path, Workspace &workspace)
{
    GoalRowsLoad load = ReadGoalRows(path, workspace.captions, workspace.goals.typeCount);
    if (!load.ok)
        return Refused(load.message);
    const int translated =
        TranslateGoals(load.rows, workspace.catalogue, workspace.OtherCatalogues(), workspace.captions);
    return PlayedIfWhole(load.rows, workspace.inputs, workspace, QFileInfo(path).fileName(), translated,
                         QT_TRANSLATE_N_NOOP("Brevath",
                                             "This choice file names %n goal(s) that the catalogue in force does "
                                             "not hold."));
}

OtherPlan OtherPlanFromPlanFile(const PlanFile &plan, Workspace &workspace)
{
    PlanInputs inputs;
    if (!CommitSheet(plan.sheet, plan.priority, inputs))
        return Refused(workspace.captions.entry(Caption::CommitFailed));
    GoalRows rows;
    rows.typeCount = workspace.goals.typeCount;
    const int translated = ApplyPlanGoals(rows, plan, workspace);
    return PlayedIfWhole(
        rows, inputs, workspace, plan.name, translated,
        QT_TRANSLATE_N_NOOP("Brevath", "This plan names %n goal(s) that the catalogue in force does not hold."));
}

OtherPlan OtherPlanFromCode(const QString &code, const Workspace &workspace)
{
    const ShareCodeRead read = DecodeShareCode(code);
    if (read.error != ShareCodeError::None)
        return Refused(read.message);
    GoalRows goals = FreshGoalRows(workspace.captions, workspace.goals.typeCount);
    if (const Outcome applied = ApplySharedGoals(goals, read.plan, workspace.catalogue, workspace.captions);
        !applied.ok)
        return Refused(applied.message);
    PlanInputs inputs;
    if (!CommitSheet(SheetTextsOf(read.plan), read.plan.priority, inputs))
        return Refused(workspace.captions.entry(Caption::CommitFailed));
    return Played(goals, inputs, workspace, QCoreApplication::translate("Brevath", "share code"));
}

} // namespace brevath::ui
