#pragma once
// The chosen goals in screen order and the row kinds of the choice screen's rows.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace brevath {

class Catalogue;
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

// Per screen row: 0 for a catalogue row, s * 65536 for a statistic row (the packed target
// once the row has been added).
using RowKinds = std::array<std::int32_t, kChoiceRows>;

void ClearChoiceList(ChoiceList &list);

enum class AddRowResult { Added, Nothing, TargetOutOfRange };

// A row that holds no goal: its text is empty or begins with the placeholder word.
bool IsEmptyRowText(const QString &text, const CaptionTable &captions);

// Turns one screen row into a ChoiceList row. An empty row (IsEmptyRowText) adds nothing; a catalogue row adds the first entry of exactly that name, if any; a
// statistic row always adds a target, unless its value falls outside 0 to 65535 (a failure:
// nothing is added and the kind is kept).
AddRowResult AddRowChoice(const QString &text, int row, RowKinds &kinds, ChoiceList &list, const Catalogue &catalogue,
                          const CaptionTable &captions);

// Rebuilds the list from the screen rows 0 to 80, as the results screen and the save do.
// False at the first statistic row that cannot be packed.
bool BuildChoiceList(const std::array<QString, kChoiceRows> &texts, RowKinds &kinds, ChoiceList &list,
                     const Catalogue &catalogue, const CaptionTable &captions);

// The text an empty screen row shows: entry 33, a blank, the row number counted from 1.
QString PlaceholderText(const CaptionTable &captions, int row);

} // namespace brevath
