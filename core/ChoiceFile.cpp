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

} // namespace

QString ChoiceFileText(const ChoiceList &list, const Catalogue &catalogue)
{
    QString text;
    for (const ChoiceRow &row : list.rows) {
        if (row.target > 0) {
            text += QString::number(TargetStat(row.target)) + u'\t' + QString::number(TargetValue(row.target));
        } else {
            const QString &name = catalogue.entry(row.entry).name;
            const QString line = QStringLiteral("0\t") + name;
            text += readsBackWhole(name) ? line : u'"' + line + u'"';
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray ChoiceFileBytes(const ChoiceList &list, const Catalogue &catalogue)
{
    return EncodeWindows1252(ChoiceFileText(list, catalogue));
}

std::optional<QString> ChoiceFileText(const std::array<QString, kChoiceRows> &texts, const RowKinds &kinds,
                                      const Catalogue &catalogue, const CaptionTable &captions)
{
    RowKinds packed = kinds;
    ChoiceList list;
    if (!BuildChoiceList(texts, packed, list, catalogue, captions))
        return std::nullopt;
    return ChoiceFileText(list, catalogue);
}

Outcome SaveChoiceFile(const QString &path, const std::array<QString, kChoiceRows> &texts, RowKinds &kinds,
                       ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions)
{
    const QString failure = captions.message(Caption::ChoiceSaveFailed, path);
    if (!BuildChoiceList(texts, kinds, list, catalogue, captions))
        return {false, failure};
    if (!SaveFileAtomically(path, ChoiceFileBytes(list, catalogue)))
        return {false, failure};
    return {true, QString()};
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

} // namespace brevath
