#include "ChoiceFile.h"

#include "Catalogue.h"
#include "Numbers.h"
#include "PlanInputs.h"
#include "Records.h"
#include "TextFile.h"
#include "CaptionTable.h"

namespace brevath {

namespace {

bool readsBackWhole(const QString &name)
{
    return !name.contains(u',') && !name.contains(u'\r') && !name.contains(u'\n') && !name.endsWith(u' ');
}

QString entryLine(const QString &name)
{
    const QString line = QStringLiteral("0\t") + name;
    return readsBackWhole(name) ? line : u'"' + line + u'"';
}

QString targetLine(std::int32_t target)
{
    return QString::number(TargetStat(target)) + u'\t' + QString::number(TargetValue(target));
}

} // namespace

QString ChoiceFileText(const ChoiceList &list, const Catalogue &catalogue)
{
    QString text;
    for (const ChoiceRow &row : list.rows)
        text += (row.target > 0 ? targetLine(row.target) : entryLine(catalogue.entry(row.entry).name)) + kLineEnd;
    return text;
}

std::optional<QString> RowsText(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions)
{
    QString text, held; // held: the text up to the last row that holds anything
    for (int i = 0; i < kChoiceRows; ++i) {
        const QString &name = rows.texts[size_t(i)];
        ChoiceList list;
        if (AddRowChoice(rows, i, list, catalogue, captions) == AddRowResult::TargetOutOfRange)
            return std::nullopt;
        const bool empty = IsEmptyRowText(name, captions) || name == captions.entry(Caption::NoEntryItem);
        if (!list.rows.empty() && list.rows[0].target > 0)
            text += targetLine(list.rows[0].target);
        else if (!empty)
            text += entryLine(name);
        text += kLineEnd;
        if (!empty)
            held = text;
    }
    return held;
}

QByteArray ChoiceFileBytes(const ChoiceList &list, const Catalogue &catalogue)
{
    return EncodeWindows1252(ChoiceFileText(list, catalogue));
}

std::optional<QString> ChoiceFileText(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions)
{
    const std::optional<ChoiceList> list = BuildChoiceList(rows, catalogue, captions);
    if (!list)
        return std::nullopt;
    return ChoiceFileText(*list, catalogue);
}

Outcome SaveChoiceFile(const QString &path, const GoalRows &rows, const Catalogue &catalogue,
                       const CaptionTable &captions)
{
    const std::optional<ChoiceList> list = BuildChoiceList(rows, catalogue, captions);
    if (!list || !SaveFileAtomically(path, ChoiceFileBytes(*list, catalogue)))
        return Outcome::Failure(captions.message(Caption::ChoiceSaveFailed, path));
    return Outcome::Success();
}

ChoiceFileLoad ParseChoiceText(const QString &text, const CaptionTable &captions)
{
    ChoiceFileLoad load;
    RecordReader reader(text);
    try {
        for (int i = 0; i < kChoiceRows; ++i) {
            LoadedChoiceRow row;
            if (reader.atEnd()) {
                row.text = PlaceholderText(captions, i);
                load.rows.push_back(row);
                continue;
            }
            const std::optional<QString> record = reader.ReadRecord();
            if (!record)
                return load;
            int position = 1;
            const std::optional<std::int32_t> kind =
                ToInt32(LeadingNumber(NextTabField(position, *record)) * kStatTargetScale);
            if (!kind)
                return load;
            row.kind = *kind;
            if (row.kind > 0) {
                // The line selects its statistic's item, which resets the kind to the bare statistic.
                const int stat = TargetStat(row.kind);
                if (stat > kStatCount)
                    return load;
                row.typeFromEnd = stat;
                row.kind = PackStatTarget(stat, 0);
            }
            row.text = NextTabField(position, *record).toString();
            load.rows.push_back(row);
        }
    } catch (const FieldPositionOverflow &) {
        return load;
    }
    load.ok = true;
    return load;
}

ChoiceFileLoad ReadChoiceFile(const QString &path, const CaptionTable &captions)
{
    ChoiceFileLoad load;
    if (const std::optional<QString> text = ReadTextFile(path))
        load = ParseChoiceText(*text, captions);
    if (!load.ok)
        load.message = captions.message(Caption::ReadFailed, path);
    return load;
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

GoalRowsLoad ReadGoalRows(const QString &path, const CaptionTable &captions, int typeCount)
{
    const ChoiceFileLoad load = ReadChoiceFile(path, captions);
    GoalRowsLoad result{load.ok, FreshGoalRows(captions, typeCount), load.message};
    ApplyChoiceLoad(result.rows, load);
    return result;
}

} // namespace brevath
