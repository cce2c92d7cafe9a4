#include "PlanComparison.h"

namespace brevath {

namespace {

bool SameGoal(const ChoiceRow &a, const ChoiceRow &b)
{
    return a.entry == b.entry && a.target == b.target;
}

} // namespace

std::optional<int> ComparedGoal::difference() const
{
    if (!firstLevel || !secondLevel)
        return std::nullopt;
    return *secondLevel - *firstLevel;
}

std::vector<ComparedGoal> ComparePlans(const Plan &first, const Plan &second)
{
    std::vector<ComparedGoal> goals;
    std::vector<bool> paired(second.list.rows.size(), false);
    for (size_t r = 0; r < first.list.rows.size(); ++r) {
        ComparedGoal goal{first.labels[r], first.reachedLevel(r), std::nullopt};
        for (size_t s = 0; s < paired.size(); ++s) {
            if (!paired[s] && SameGoal(first.list.rows[r], second.list.rows[s])) {
                paired[s] = true;
                goal.secondLevel = second.reachedLevel(s);
                break;
            }
        }
        goals.push_back(goal);
    }
    for (size_t s = 0; s < paired.size(); ++s) {
        if (!paired[s])
            goals.push_back({second.labels[s], std::nullopt, second.reachedLevel(s)});
    }
    return goals;
}

QString ComparedLevelText(const std::optional<int> &level)
{
    return level ? QString::number(*level) : QString();
}

} // namespace brevath
