#include "GoalRows.h"

#include "CaptionTable.h"

namespace brevath {

QString PlaceholderText(const CaptionTable &captions, int row)
{
    return captions.entry(Caption::PlaceholderWord) + u' ' + QString::number(row + 1);
}

bool IsEmptyRowText(const QString &text, const CaptionTable &captions)
{
    // A null text does not "begin with" an empty entry 33, yet it is as empty as a placeholder.
    return text.isEmpty() || text.startsWith(captions.entry(Caption::PlaceholderWord));
}

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

} // namespace brevath
