#include "PlanComparison.h"

#include "GoalInsight.h"

namespace brevath {

namespace {

bool SameGoal(const ChoiceRow &a, const ChoiceRow &b)
{
    return a.entry == b.entry && a.target == b.target;
}

} // namespace

std::optional<PlayedPlan> PlayPlan(const GoalRows &goals, const PlanInputs &inputs, const Catalogue &catalogue,
                                   const CaptionTable &captions)
{
    std::optional<ChoiceList> list = BuildChoiceList(goals, catalogue, captions);
    if (!list)
        return std::nullopt;
    PlayedPlan plan;
    plan.list = std::move(*list);
    ResultTable scratch;
    plan.rows = SimulateRise(plan.list, catalogue, captions, RiseStart::FromInputs(inputs), scratch);
    return plan;
}

std::vector<ReachedGoal> GoalReaches(const ChoiceList &list, const std::vector<ResultRow> &rows,
                                     const Catalogue &catalogue, const CaptionTable &captions)
{
    const RowViews views(list, catalogue, captions);
    const std::vector<int> lines = NamingLines(views, list, rows);
    std::vector<ReachedGoal> goals;
    for (size_t r = 0; r < lines.size(); ++r) {
        goals.push_back({views.RowLabel(int(r)), std::nullopt});
        if (lines[r] >= 0)
            goals.back().level = rows[size_t(lines[r])][ResultField::Level].toLongLong();
    }
    return goals;
}

std::optional<std::int64_t> ComparedGoal::difference() const
{
    if (!firstLevel || !secondLevel)
        return std::nullopt;
    return *secondLevel - *firstLevel;
}

PlanComparison ComparePlans(const PlayedPlan &first, const PlayedPlan &second, const Catalogue &catalogue,
                            const CaptionTable &captions)
{
    const std::vector<ReachedGoal> firstGoals = GoalReaches(first.list, first.rows, catalogue, captions);
    const std::vector<ReachedGoal> secondGoals = GoalReaches(second.list, second.rows, catalogue, captions);

    PlanComparison comparison{{}, first.rows, second.rows};
    std::vector<bool> paired(second.list.rows.size(), false);
    for (size_t r = 0; r < first.list.rows.size(); ++r) {
        ComparedGoal goal{firstGoals[r].label, firstGoals[r].level, std::nullopt};
        for (size_t s = 0; s < second.list.rows.size(); ++s) {
            if (!paired[s] && SameGoal(first.list.rows[r], second.list.rows[s])) {
                paired[s] = true;
                goal.secondLevel = secondGoals[s].level;
                break;
            }
        }
        comparison.goals.push_back(goal);
    }
    for (size_t s = 0; s < second.list.rows.size(); ++s) {
        if (!paired[s])
            comparison.goals.push_back({secondGoals[s].label, std::nullopt, secondGoals[s].level});
    }
    return comparison;
}

QString ComparedLevelText(const std::optional<std::int64_t> &level)
{
    return level ? QString::number(*level) : QString();
}

} // namespace brevath
