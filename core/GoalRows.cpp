#include "GoalRows.h"

#include "CaptionTable.h"
#include "ChoiceFile.h"
#include "ChoiceFilters.h"
#include "PlanInputs.h"

namespace brevath {

GoalRows FreshGoalRows(const CaptionTable &captions, int typeCount)
{
    GoalRows rows;
    rows.typeCount = typeCount;
    for (int i = 0; i < kChoiceRows; ++i)
        rows.texts[size_t(i)] = PlaceholderText(captions, i);
    return rows;
}

std::int32_t KindOfType(int position, int typeCount)
{
    const int stat = StatOfTypePosition(position, typeCount);
    return stat >= 1 && stat <= kStatCount ? PackStatTarget(stat, 0) : 0;
}

void ChooseType(GoalRows &rows, int row, int position)
{
    rows.types.at(size_t(row)) = position;
    rows.kinds.at(size_t(row)) = KindOfType(position, rows.typeCount);
}

void PickType(GoalRows &rows, int row, int position, const CaptionTable &captions)
{
    ChooseType(rows, row, position);
    rows.texts.at(size_t(row)) = rows.kinds[size_t(row)] > 0 ? QString() : captions.entry(Caption::NoEntryItem);
}

void ShiftDown(GoalRows &rows, int row)
{
    if (row < 0 || row >= kLastChoiceRow)
        return;
    for (int k = kLastChoiceRow - 1; k >= row; --k) {
        rows.texts[size_t(k + 1)] = rows.texts[size_t(k)];
        ChooseType(rows, k + 1, rows.types[size_t(k)]);
    }
}

void ApplyChoiceLoad(GoalRows &rows, const ChoiceFileLoad &load)
{
    for (size_t i = 0; i < load.rows.size() && i < size_t(kChoiceRows); ++i) {
        const LoadedChoiceRow &loaded = load.rows[i];
        if (loaded.typeFromEnd >= 0)
            rows.types[i] = loaded.typeFromEnd + rows.typeCount - 6;
        rows.texts[i] = loaded.text;
        rows.kinds[i] = loaded.kind;
    }
}

bool PasteGoalList(GoalRows &rows, const QString &text, const CaptionTable &captions)
{
    if (!text.contains(u'\t'))
        return false;
    const ChoiceFileLoad load = ParseChoiceText(text, captions);
    if (load.ok)
        ApplyChoiceLoad(rows, load);
    return load.ok;
}

bool BuildChoiceList(GoalRows &rows, ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions)
{
    return BuildChoiceList(rows.texts, rows.kinds, list, catalogue, captions);
}

GoalRowsLoad ReadGoalRows(const QString &path, const CaptionTable &captions, int typeCount)
{
    const ChoiceFileLoad load = ReadChoiceFile(path, captions);
    GoalRowsLoad result{load.ok, FreshGoalRows(captions, typeCount), load.message};
    ApplyChoiceLoad(result.rows, load);
    return result;
}

} // namespace brevath
