#include "TextExport.h"

#include "TextFile.h"
#include "Margins.h"
#include "CaptionTable.h"

#include <QStringList>

namespace brevath {

QStringList ExportColumnTitles(const CaptionTable &captions)
{
    QStringList titles;
    for (int n = Caption::FirstExportTitle; n < Caption::FirstExportTitle + kListColumns; ++n)
        titles << captions.entry(n);
    titles << captions.entry(Caption::ExtraSumTitle) << captions.entry(Caption::MarginTitle);
    return titles;
}

namespace {

// A number as printed: a blank or a minus sign before the digits, a blank after.
QString printForm(std::int64_t value)
{
    const QString digits = QString::number(value < 0 ? -value : value);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + u' ';
}

} // namespace

std::optional<QStringList> TxtLines(const ResultTable &table, int rowCount, const CaptionTable &captions)
{
    if (rowCount < 0 || rowCount > ResultTable::kRows)
        return std::nullopt;
    const std::vector<std::int64_t> margins = ComputeMargins(table, rowCount);
    QStringList lines = {ExportColumnTitles(captions).join(u'\t')};
    for (int i = 0; i < rowCount; ++i) {
        QString line;
        for (const QString &field : table.row(i)) {
            line += field;
            line += u'\t';
        }
        lines << line + printForm(margins[i]);
    }
    return lines;
}

std::optional<QByteArray> TxtBytes(const ResultTable &table, int rowCount, const CaptionTable &captions)
{
    const std::optional<QStringList> lines = TxtLines(table, rowCount, captions);
    if (!lines)
        return std::nullopt;
    const QString lineEnd = QStringLiteral("\r\n");
    return EncodeWindows1252(lines->join(lineEnd) + lineEnd);
}

Outcome SaveExport(const QString &path, const std::optional<QByteArray> &bytes, const CaptionTable &captions)
{
    if (bytes && SaveFileAtomically(path, *bytes))
        return {true, captions.message(Caption::ExportSucceeded, path)};
    return {false, captions.message(Caption::ExportFailed, path)};
}

Outcome SaveTxt(const QString &path, const ResultTable &table, int rowCount, const CaptionTable &captions)
{
    return SaveExport(path, TxtBytes(table, rowCount, captions), captions);
}

} // namespace brevath
