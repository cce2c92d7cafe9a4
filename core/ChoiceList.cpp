#include "ChoiceList.h"

#include "Catalogue.h"
#include "Numbers.h"
#include "CaptionTable.h"

namespace brevath {

void ClearChoiceList(ChoiceList &list)
{
    list.rows.clear();
}

AddRowResult AddRowChoice(const QString &text, int row, RowKinds &kinds, ChoiceList &list, const Catalogue &catalogue,
                          const CaptionTable &captions)
{
    if (IsEmptyRowText(text, captions))
        return AddRowResult::Nothing;

    std::int32_t &kind = kinds.at(row);
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
    if (stat < 1 || stat > 5 || !packed)
        return AddRowResult::TargetOutOfRange;
    const std::int32_t value = *packed - stat * kStatTargetScale;
    if (value < 0 || value > kMaxTargetValue)
        return AddRowResult::TargetOutOfRange;
    kind = *packed;
    list.rows.push_back({-1, kind});
    return AddRowResult::Added;
}

bool BuildChoiceList(const std::array<QString, kChoiceRows> &texts, RowKinds &kinds, ChoiceList &list,
                     const Catalogue &catalogue, const CaptionTable &captions)
{
    ClearChoiceList(list);
    for (int i = 0; i < kChoiceRows; ++i) {
        if (AddRowChoice(texts[i], i, kinds, list, catalogue, captions) == AddRowResult::TargetOutOfRange)
            return false;
    }
    return true;
}

bool IsEmptyRowText(const QString &text, const CaptionTable &captions)
{
    // A null text does not "begin with" an empty entry 33, yet it is as empty as a placeholder.
    return text.isEmpty() || text.startsWith(captions.entry(Caption::PlaceholderWord));
}

QString PlaceholderText(const CaptionTable &captions, int row)
{
    return captions.entry(Caption::PlaceholderWord) + u' ' + QString::number(row + 1);
}

} // namespace brevath
