#include "GoalInsight.h"

namespace brevath {

namespace {

bool allows(const RowViews &views, int row, const ResultRow &line)
{
    if (line[ResultField::Level].toLongLong() < views.RowRequirement(6, row))
        return false;
    for (int k = 1; k <= kStatCount; ++k) {
        if (line[size_t(k)].toLongLong() < views.RowRequirement(k, row))
            return false;
    }
    return true;
}

} // namespace

std::vector<int> NamingLines(const RowViews &views, const ChoiceList &list, const std::vector<ResultRow> &lines)
{
    std::vector<int> naming(list.rows.size(), -1);
    for (size_t r = 0; r < list.rows.size(); ++r) {
        for (size_t i = 1; i < lines.size(); ++i) {
            if (allows(views, int(r), lines[i])) {
                naming[r] = int(i);
                break;
            }
        }
    }
    return naming;
}

std::optional<std::int64_t> EarliestLevelAlone(const ChoiceRow &goal, const Catalogue &catalogue,
                                               const CaptionTable &captions, const RiseStart &start)
{
    ChoiceList alone;
    alone.rows.push_back({goal.entry, goal.target, false});
    ResultTable scratch;
    for (const ResultRow &line : SimulateRise(alone, catalogue, captions, start, scratch)) {
        if (!line[ResultField::Names].isEmpty())
            return line[ResultField::Level].toLongLong();
    }
    return std::nullopt;
}

} // namespace brevath
