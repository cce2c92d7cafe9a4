#pragma once
// The chosen goals in screen order: what a plan plays, built from the goal rows.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "GoalRows.h"

namespace brevath {

class Catalogue;
class CaptionTable;

struct ChoiceRow
{
    std::int32_t entry = 0; // catalogue entry number, or -1 for a statistic target
    std::int32_t target = 0; // packed statistic target, 0 for a catalogue row

    bool isStatTarget() const { return target > 0; }
};

struct ChoiceList
{
    std::vector<ChoiceRow> rows;

    int last() const { return int(rows.size()) - 1; }
};

void ClearChoiceList(ChoiceList &list);

enum class AddRowResult { Added, Nothing, TargetOutOfRange };

// Turns one screen row into a ChoiceList row. An empty row (IsEmptyRowText) adds nothing; a
// catalogue row adds the first entry of exactly that name, if any; a statistic row always
// adds a target, its value packed into the list row, unless that value falls outside 0 to
// 65535 (a failure: nothing is added).
AddRowResult AddRowChoice(const GoalRows &rows, int row, ChoiceList &list, const Catalogue &catalogue,
                          const CaptionTable &captions);

// The list of the screen rows 0 to 80, as the results screen and the save build it; the rows
// are left as they are. Nothing at the first statistic row that cannot be packed.
std::optional<ChoiceList> BuildChoiceList(const GoalRows &rows, const Catalogue &catalogue,
                                          const CaptionTable &captions);

} // namespace brevath
