#include "ChoiceList.h"

#include "Catalogue.h"
#include "Numbers.h"
#include "CaptionTable.h"

namespace brevath {

void ClearChoiceList(ChoiceList &list)
{
    list.rows.clear();
}

AddRowResult AddRowChoice(const GoalRows &rows, int row, ChoiceList &list, const Catalogue &catalogue,
                          const CaptionTable &captions)
{
    const QString &text = rows.texts.at(size_t(row));
    if (IsEmptyRowText(text, captions))
        return AddRowResult::Nothing;

    const std::int32_t kind = rows.kinds.at(size_t(row));
    if (kind < 1) {
        const int entry = catalogue.FindByName(text);
        if (entry == 0)
            return AddRowResult::Nothing;
        list.rows.push_back({entry, 0});
        return AddRowResult::Added;
    }

    // Packed in double precision as one sum, so a fraction rounds exactly as it always has.
    const int stat = TargetStat(kind);
    const std::optional<std::int32_t> packed = ToInt32(double(stat) * kStatTargetScale + LeadingNumber(text));
    if (stat < 1 || stat > kStatCount || !packed)
        return AddRowResult::TargetOutOfRange;
    const std::int32_t value = *packed - stat * kStatTargetScale;
    if (value < 0 || value > kMaxTargetValue)
        return AddRowResult::TargetOutOfRange;
    list.rows.push_back({-1, *packed});
    return AddRowResult::Added;
}

std::optional<ChoiceList> BuildChoiceList(const GoalRows &rows, const Catalogue &catalogue,
                                          const CaptionTable &captions)
{
    ChoiceList list;
    for (int i = 0; i < kChoiceRows; ++i) {
        if (AddRowChoice(rows, i, list, catalogue, captions) == AddRowResult::TargetOutOfRange)
            return std::nullopt;
    }
    return list;
}

} // namespace brevath
