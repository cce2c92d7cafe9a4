#pragma once
// The choice screen's 81 rows as the plan holds them: for each row the position of its type
// list, its kind and its text. The screen shows these; undo, the clipboard, choice files,
// brevath-plan and the tests all act on this one value. Everything else about goals is
// built on it.

#include <QString>
#include <array>
#include <cstdint>

#include "PlanInputs.h"

namespace brevath {

class CaptionTable;

constexpr int kChoiceRows = 81; // screen rows 0 to 80
constexpr int kLastChoiceRow = kChoiceRows - 1;
constexpr std::int32_t kStatTargetScale = 65536;
constexpr std::int32_t kMaxTargetValue = 65535;

// A wish that statistic s reach value v, packed as s * 65536 + v.
constexpr std::int32_t PackStatTarget(int stat, std::int32_t value)
{
    return stat * kStatTargetScale + value;
}
constexpr int TargetStat(std::int32_t packed)
{
    return packed / kStatTargetScale;
}
constexpr std::int32_t TargetValue(std::int32_t packed)
{
    return packed % kStatTargetScale;
}

// Per row: s * 65536 for a row of statistic s, else a catalogue row (0, or the negative
// number a choice file gave). The value of a statistic row is its text.
using RowKinds = std::array<std::int32_t, kChoiceRows>;

struct GoalRows
{
    std::array<QString, kChoiceRows> texts;
    RowKinds kinds{};
    std::array<int, kChoiceRows> types{}; // position in the row's type list, from 0
    int typeCount = 0; // items in every type list: all, the ticked categories, five statistics

    bool operator==(const GoalRows &) const = default;
};

// The statistic of the item at position (from 0) in a type list of itemCount items.
constexpr int StatOfTypePosition(int position, int itemCount)
{
    return position - itemCount + 6;
}

// The text an empty screen row shows: entry 33, a blank, the row number counted from 1.
QString PlaceholderText(const CaptionTable &captions, int row);
// A row that holds no goal: its text is empty or begins with the placeholder word.
bool IsEmptyRowText(const QString &text, const CaptionTable &captions);

// Rows as a build leaves them: every text its placeholder, the first type, kind 0.
GoalRows FreshGoalRows(const CaptionTable &captions, int typeCount);

// The kind a row takes when the type at position is chosen: the bare statistic for one of
// the five statistics at the end of the list, else 0.
std::int32_t KindOfType(int position, int typeCount);
void ChooseType(GoalRows &rows, int row, int position);
// The player's choice: as ChooseType, and the text becomes the first item of the row's new
// entry list, entry 67, or nothing for a statistic, whose value is typed.
void PickType(GoalRows &rows, int row, int position, const CaptionTable &captions);

// The Down button of a row: rows below it move one down (the last one falls off), each
// taking the type and text of the row above it and that type's bare kind; the row keeps
// its own. Nothing happens for the last row.
void ShiftDown(GoalRows &rows, int row);

} // namespace brevath
