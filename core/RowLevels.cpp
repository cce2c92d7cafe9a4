#include "RowLevels.h"

namespace brevath {

RowLevelArray RowLevels(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions,
                        const PlanInputs &inputs)
{
    RowLevelArray levels;
    levels.fill(kNoGoal);
    ChoiceList list;
    list.rows.reserve(kChoiceRows);
    std::array<int, kChoiceRows> goalRow{};
    for (int i = 0; i < kChoiceRows; ++i) {
        // A value out of range stops the results screen; the other rows still tell their levels.
        if (AddRowChoice(rows, i, list, catalogue, captions) == AddRowResult::Added)
            goalRow[size_t(list.last())] = i;
    }
    const std::vector<int> reached = ReachLevels(NeedsOf(list, catalogue), RiseStart::FromInputs(inputs));
    for (size_t g = 0; g < reached.size(); ++g)
        levels[size_t(goalRow[g])] = reached[g];
    return levels;
}

} // namespace brevath
