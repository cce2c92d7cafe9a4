#pragma once
// Two plans of one sheet side by side: when each reaches every goal of either.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "Plan.h"

namespace brevath {

struct ComparedGoal
{
    QString label; // as the result list names it
    std::optional<int> firstLevel, secondLevel; // empty: never reached

    // Second minus first; empty unless both reach it.
    std::optional<int> difference() const;
};

// The goals of the first plan in order, then those only the second has. A goal chosen twice
// pairs with the second plan's occurrences in order.
std::vector<ComparedGoal> ComparePlans(const Plan &first, const Plan &second);

// A level or a difference as a comparison shows it: nothing for never.
QString ComparedLevelText(const std::optional<int> &level);

} // namespace brevath
