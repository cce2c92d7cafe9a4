#include "PlanSource.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ChoiceFile.h"
#include "GoalTranslation.h"
#include "PlanLibrary.h"
#include "ShareCode.h"
#include "TextFile.h"
#include "Workspace.h"

namespace brevath {

namespace {

QString Translated(const char *text, int n = -1)
{
    return QCoreApplication::translate("Brevath", text, nullptr, n);
}

int TypeCountOf(const CaptionTable &captions, const CategoryStates &categories)
{
    return int(TypeListItems(captions, categories).size());
}

// The goals a source names, before its rules are applied.
struct SourceGoals
{
    QString refused;
    QString name;
    std::optional<PlanSheet> sheet;
    std::optional<PlanFile> planFile;
    GoalRows rows;
};

SourceGoals FromPlanFile(const PlanFile &plan, const CaptionTable &captions)
{
    SourceGoals goals{QString(), plan.name, PlanSheet{plan.sheet, plan.priority, plan.categories}, plan, {}};
    goals.rows.typeCount = TypeCountOf(captions, plan.categories);
    PutPlanGoals(goals.rows, plan, captions);
    return goals;
}

SourceGoals FromCode(const QString &text, const Workspace &workspace)
{
    const ShareCodeRead read = DecodeShareCode(text);
    if (read.error != ShareCodeError::None)
        return {read.message, Translated(QT_TRANSLATE_NOOP("Brevath", "share code")), {}, {}, {}};
    const PlanSheet sheet{SheetTextsOf(read.plan), read.plan.priority, read.plan.shown};
    SourceGoals goals{QString(), Translated(QT_TRANSLATE_NOOP("Brevath", "share code")), sheet, std::nullopt,
                      FreshGoalRows(workspace.captions, TypeCountOf(workspace.captions, sheet.categories))};
    if (const Outcome applied = ApplySharedGoals(goals.rows, read.plan, workspace.catalogue, workspace.captions);
        !applied.ok)
        goals.refused = applied.message;
    return goals;
}

SourceGoals FromFile(const QString &path, const Workspace &workspace, int typeCount)
{
    // Only the first bytes tell: each reader refuses what is not its own.
    if (LooksLikePlanFile(ReadFileBytes(path).value_or(QByteArray()))) {
        const PlanFileRead read = ReadPlanFile(path, workspace.captions.entry(Caption::ReadFailed));
        if (!read.ok)
            return {read.message, QFileInfo(path).fileName(), {}, {}, {}};
        return FromPlanFile(read.plan, workspace.captions);
    }
    GoalRowsLoad load = ReadGoalRows(path, workspace.captions, typeCount);
    return {load.ok ? QString() : load.message, QFileInfo(path).fileName(), std::nullopt, std::nullopt,
            std::move(load.rows)};
}

SourceGoals GoalsOf(const PlanSource &source, const Workspace &workspace, int typeCount)
{
    switch (source.kind) {
    case PlanSource::Kind::Code:
        return FromCode(source.text, workspace);
    case PlanSource::Kind::Plan:
        return FromPlanFile(source.plan, workspace.captions);
    case PlanSource::Kind::Rows:
        return {QString(), QString(), std::nullopt, std::nullopt, source.rows};
    case PlanSource::Kind::File:
        break;
    }
    return FromFile(source.text, workspace, typeCount);
}

int RowsNamingNothing(const GoalRows &rows, const Workspace &workspace)
{
    int unknown = 0;
    for (int row = 0; row < kChoiceRows; ++row)
        unknown += int(RowNamesNothing(rows, row, workspace.catalogue, workspace.captions));
    return unknown;
}

} // namespace

PlanSource PlanSource::FileOrCode(const QString &text)
{
    return !PathExists(text) && LooksLikeShareCode(text) ? Code(text) : File(text);
}

SourcedPlan ReadPlanSource(const PlanSource &source, Workspace &workspace, const PlanRules &rules)
{
    SourceGoals goals = GoalsOf(source, workspace, TypeCountOf(workspace.captions, rules.categories));
    SourcedPlan plan;
    plan.name = goals.name;
    if (!goals.refused.isEmpty()) {
        plan.message = AboutPlan(rules.role, plan.name, goals.refused);
        return plan;
    }
    // The other languages are read only for rows that need them.
    int unknown = RowsNamingNothing(goals.rows, workspace);
    if (unknown > 0) {
        if (const int translated =
                TranslateGoals(goals.rows, workspace.catalogue, workspace.OtherCatalogues(), workspace.captions)) {
            plan.notes << AboutPlan(rules.role, plan.name, TranslatedGoalsMessage(translated));
            unknown = RowsNamingNothing(goals.rows, workspace);
        }
    }
    if (unknown > 0 && rules.unknown == UnknownGoals::Refuse) {
        plan.notes.clear();
        plan.message = AboutPlan(
            rules.role, plan.name,
            Translated(QT_TRANSLATE_N_NOOP("Brevath", "%n goal(s) name nothing in the catalogue in force."), unknown));
        return plan;
    }
    if (unknown > 0)
        plan.notes << AboutPlan(rules.role, plan.name,
                                Translated(QT_TRANSLATE_N_NOOP("Brevath",
                                                               "%n goal(s) name nothing in the catalogue "
                                                               "in force; the plan skips them."),
                                           unknown));
    plan.ok = true;
    if (rules.sheet == SheetRule::Source) {
        plan.sheet = std::move(goals.sheet);
        plan.planFile = std::move(goals.planFile);
    } else if (goals.sheet) {
        goals.rows = RowsForTicks(goals.rows, goals.sheet->categories, rules.categories);
    }
    plan.rows = std::move(goals.rows);
    return plan;
}

QString AboutPlan(PlanRole role, const QString &name, const QString &message)
{
    switch (role) {
    case PlanRole::Only:
        break;
    case PlanRole::First:
        return Translated(QT_TRANSLATE_NOOP("Brevath", "First plan (%1): %2")).arg(name, message);
    case PlanRole::Second:
        return Translated(QT_TRANSLATE_NOOP("Brevath", "Second plan (%1): %2")).arg(name, message);
    }
    return message;
}

QString FailureMessage(const QString &entryText, const QString &what, const char *fallback)
{
    return entryText.trimmed().isEmpty() ? Translated(fallback).arg(what) : entryText + u' ' + what;
}

} // namespace brevath
