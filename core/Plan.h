#pragma once
// A plan as numbers: one line per level from the starting level to 199, and the level at
// which each goal is reached. Whoever shows or writes it makes the text, with ColumnText.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "ChoiceList.h"
#include "PlanInputs.h"

namespace brevath {

class Catalogue;
class CaptionTable;
struct GoalRows;

// Computed in 64 bits so no starting value or requirement can overflow. Index 0 is unused by
// the statistics; the rise keeps the level there so one comparison loop covers the level gate.
using StatValues = std::array<std::int64_t, kStatCount + 1>; // statistics indexed 1 to 5

constexpr int kNeverReached = -1;

// One step of a level's spending: points given to a statistic.
struct Spending
{
    int stat = 0;
    std::int64_t points = 0;
};

struct PlanLine
{
    StatValues stats{}; // the level, then Str to Int after this level's spending
    std::int64_t hp = 0, mp = 0;
    std::vector<Spending> spent; // in the order given
    std::vector<int> reached; // the goals that became usable here, in list order
    std::int64_t extraSum = 0; // their extra values

    std::int64_t level() const { return stats[0]; }
};

struct Plan
{
    ChoiceList list; // the goals played, in order
    std::vector<QString> labels; // each goal as the names column calls it
    std::vector<int> reachedAt; // each goal's level, kNeverReached when the rise ends first
    std::vector<PlanLine> lines;

    std::optional<int> reachedLevel(size_t goal) const
    {
        return reachedAt[goal] == kNeverReached ? std::nullopt : std::optional<int>(reachedAt[goal]);
    }
};

// The columns of a line in the list and the exports: level, Str to Int, hit points, mana
// points, points text, names text, and the extra sum, which the list does not show.
namespace PlanColumn {
constexpr int Level = 0;
constexpr int HitPoints = 6;
constexpr int ManaPoints = 7;
constexpr int Points = 8;
constexpr int Names = 9;
constexpr int ExtraSum = 10;
} // namespace PlanColumn
constexpr int kPlanColumns = 11;
constexpr int kListColumns = 10;

// Every column but the points and names texts.
std::int64_t ColumnNumber(const PlanLine &line, int column);
// A blank, the statistic label (entries 68 to 72) and the points, for each step.
QString PointsText(const PlanLine &line, const CaptionTable &captions);
// The labels of the goals reached on the line, joined by ", ".
QString NamesText(const Plan &plan, const PlanLine &line);
// Any column of a line as text: numbers in decimal.
QString ColumnText(const Plan &plan, const PlanLine &line, int column, const CaptionTable &captions);

// The goals of the filled rows played on the sheet, from its starting level. Empty when a
// statistic target cannot be packed (entry 28). The rows themselves are left as they are.
std::optional<Plan> PlayPlan(const GoalRows &goals, const PlanInputs &inputs, const Catalogue &catalogue,
                             const CaptionTable &captions);

} // namespace brevath
