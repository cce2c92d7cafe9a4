#pragma once
// The choice screen's 81 rows as the plan holds them: for each row the position of its type
// list, its kind and its text. The screen shows these; undo, the clipboard, choice files,
// brevath-plan and the tests all act on this one value.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "ChoiceList.h"
#include "Outcome.h"

namespace brevath {

class Catalogue;
class CaptionTable;
struct ChoiceFileLoad;

struct GoalRows
{
    std::array<QString, kChoiceRows> texts;
    RowKinds kinds{};
    std::array<int, kChoiceRows> types{}; // position in the row's type list, from 0
    int typeCount = 0; // items in every type list: all, the ticked categories, five statistics

    bool operator==(const GoalRows &) const = default;
};

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

// A choice file or pasted text over the rows: each row it sets takes its text and kind, and
// a statistic line its statistic's type; rows past its end show their placeholder and keep
// their type. On a failed read the rows before the failing line are set all the same.
void ApplyChoiceLoad(GoalRows &rows, const ChoiceFileLoad &load);

// Text pasted as a goal list. Only a list read whole is taken: text without a TAB is a name
// or nothing at all, and a list that fails part way must not leave half of it behind.
// False leaves the rows untouched.
bool PasteGoalList(GoalRows &rows, const QString &text, const CaptionTable &captions);

// The ChoiceList of the rows, packing statistic targets into their kinds as the screen does.
// False at the first statistic row whose value cannot be packed.
bool BuildChoiceList(GoalRows &rows, ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions);

// A choice file read into fresh rows of a build with typeCount types: what brevath-plan,
// the fuzzers and the tests load.
struct GoalRowsLoad
{
    bool ok = false;
    GoalRows rows;
    QString message;
};
GoalRowsLoad ReadGoalRows(const QString &path, const CaptionTable &captions, int typeCount);

} // namespace brevath
