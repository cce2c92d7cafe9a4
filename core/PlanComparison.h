#pragma once
// Two plans of one sheet side by side: when each reaches every goal of either.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "ChoiceList.h"
#include "GoalRows.h"
#include "ResultTable.h"
#include "Simulation.h"

namespace brevath {

// One plan played on its own, leaving the session's list and result table alone.
struct PlayedPlan
{
    ChoiceList list;
    std::vector<ResultRow> rows;
};

// Empty when a statistic value cannot be packed (entry 28).
std::optional<PlayedPlan> PlayPlan(const GoalRows &goals, const PlanInputs &inputs, const Catalogue &catalogue,
                                   const CaptionTable &captions);

// Every goal of a played list, labelled as the result list names it, with the level at which
// the plan reaches it (empty: never).
struct ReachedGoal
{
    QString label;
    std::optional<std::int64_t> level;
};
std::vector<ReachedGoal> GoalReaches(const ChoiceList &list, const std::vector<ResultRow> &rows,
                                     const Catalogue &catalogue, const CaptionTable &captions);

struct ComparedGoal
{
    QString label; // as the result list names it
    std::optional<std::int64_t> firstLevel, secondLevel; // empty: never reached

    // Second minus first; empty unless both reach it.
    std::optional<std::int64_t> difference() const;
};

struct PlanComparison
{
    // The goals of the first plan in order, then those only the second has. A goal chosen
    // twice pairs with the second plan's occurrences in order.
    std::vector<ComparedGoal> goals;
    std::vector<ResultRow> firstRows, secondRows; // for the chart
};

PlanComparison ComparePlans(const PlayedPlan &first, const PlayedPlan &second, const Catalogue &catalogue,
                            const CaptionTable &captions);

// A level or a difference as a comparison shows it: nothing for never.
QString ComparedLevelText(const std::optional<std::int64_t> &level);

} // namespace brevath
