#pragma once
// The committed character sheet.

#include <QString>
#include <array>
#include <cstdint>

namespace brevath {

enum Stat { Str = 1, End = 2, Dex = 3, Sag = 4, Int = 5 };
constexpr int kStatCount = 5;
constexpr int kDefaultPriority = Dex;

// The priority a plan plays with: one outside the statistics counts as the default.
constexpr int PriorityInForce(int priority)
{
    return priority >= 1 && priority <= kStatCount ? priority : kDefaultPriority;
}

constexpr int kLowestStartLevel = -1; // a plan holds 201 lines at most, levels -1 to 199

struct PlanInputs
{
    std::int32_t SDLevel = 0;
    std::int32_t SDStr = 0;
    std::int32_t SDEnd = 0;
    std::int32_t SDDex = 0;
    std::int32_t SDSag = 0;
    std::int32_t SDInt = 0;
    std::int32_t SDPV = 0;
    std::int32_t SDPM = 0;
    std::int32_t mstr = 0;
    std::int32_t mend = 0;
    std::int32_t mdex = 0;
    std::int32_t msag = 0;
    std::int32_t mint = 0;
    std::int32_t Priority = 0;

    std::array<std::int32_t, kStatCount> maxima() const { return {mstr, mend, mdex, msag, mint}; }
};

// The thirteen text boxes in commit order: SDText1 to SDText8, then MText1 to MText5.
constexpr int kSheetTextCount = 13;
using SheetTexts = std::array<QString, kSheetTextCount>;

// The texts the sheet shows before the player types anything.
SheetTexts DefaultSheetTexts();

// The texts a preset writes into the five statistic boxes (preset 1: 25, preset 2: 30).
QString PresetStatText(int preset);

// Commits the boxes in order, each field stored before the next box is read; a box whose
// number is outside the 32-bit range, or a starting level below -1, stops the commit there
// (the caller shows entry 28). The priority is the one in force (PriorityInForce): a
// statistic 1 to 5, or none (0) for Dex.
bool CommitSheet(const SheetTexts &texts, int priority, PlanInputs &inputs);

} // namespace brevath
