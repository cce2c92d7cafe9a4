#pragma once
// What the choice screen offers: the type list of every row and the entries of a row's list.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "Catalogue.h"
#include "GoalRows.h"
#include "PlanInputs.h"

namespace brevath {

class CaptionTable;

using CategoryStates = std::array<bool, kCategoryCount>; // by load order 1 to 10, at [k-1]

struct ChoiceFilters
{
    CategoryStates states{};
    std::int32_t mask = 0;
    std::array<std::int32_t, kStatCount> maxima{}; // 0 means no limit
};

std::int32_t CategoryMask(const CategoryStates &states);

// The filter state of a build: the ticked category boxes and the committed maxima.
ChoiceFilters ReadChoiceFilters(const CategoryStates &ticked, const PlanInputs &inputs);

// True when no statistic requirement exceeds a maximum that is set.
bool EntryEligible(const CatalogueEntry &entry, const std::array<std::int32_t, kStatCount> &maxima);

// The entries a list offers, in catalogue order.
std::vector<int> OfferedEntries(const Catalogue &catalogue, std::int32_t mask,
                                const std::array<std::int32_t, kStatCount> &maxima);

// The items of an entry list: entry 67, then the names of the offered entries.
QStringList EntryListItems(const Catalogue &catalogue, const CaptionTable &captions, std::int32_t mask,
                           const std::array<std::int32_t, kStatCount> &maxima);

// The caption entry that names category k (1 to 10) in the type lists.
int CategoryCaptionEntry(int k);

// Item codes of a type list: 0 all ticked categories, 1 to 10 one category, -1 a statistic.
constexpr int kStatTypeCode = -1;
struct TypeItem
{
    QString text;
    int code;
};

// Entry 75, one item per ticked category, then the five statistics (entries 78 to 82).
std::vector<TypeItem> TypeListItems(const CaptionTable &captions, const CategoryStates &ticked);

// The rows of a build under `built` as a build under `ticked` shows them: every text kept,
// each statistic and each category still ticked keeping its type at its new position, a
// category no longer ticked giving way to the first type. Kinds follow the types.
GoalRows RowsForTicks(const GoalRows &rows, const CategoryStates &built, const CategoryStates &ticked);

// Types that follow the goals, after a load or a paste: a catalogue row naming an entry of a
// ticked category that its type does not list takes that category's type; a catalogue row
// left with a statistic's type takes the first. Kinds are left as they are.
void FollowGoalTypes(GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions,
                     const CategoryStates &ticked);

// A catalogue row naming an entry whose category is outside the mask: the plan counts it,
// but the screen's lists no longer offer it.
bool RowOutsideCategories(const GoalRows &rows, int row, const Catalogue &catalogue, const CaptionTable &captions,
                          std::int32_t mask);

} // namespace brevath
