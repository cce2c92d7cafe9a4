#include "export/TextExport.h"

#include "core/TextFile.h"
#include "export/Margins.h"
#include "i18n/CaptionTable.h"

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

std::optional<QByteArray> TxtBytes(const ResultTable &table, int rowCount, const CaptionTable &captions)
{
    if (rowCount < 0 || rowCount > ResultTable::kRows)
        return std::nullopt;
    const QString lineEnd = QStringLiteral("\r\n");
    const std::vector<std::int64_t> margins = ComputeMargins(table, rowCount);
    QString text = ExportColumnTitles(captions).join(u'\t') + lineEnd;
    for (int i = 0; i < rowCount; ++i) {
        for (const QString &field : table.row(i)) {
            text += field;
            text += u'\t';
        }
        text += printForm(margins[i]) + lineEnd;
    }
    return EncodeWindows1252(text);
}

SaveOutcome SaveExport(const QString &path, const std::optional<QByteArray> &bytes, const CaptionTable &captions)
{
    if (bytes && SaveFileAtomically(path, *bytes))
        return {true, captions.message(Caption::ExportSucceeded, path)};
    return {false, captions.message(Caption::ExportFailed, path)};
}

SaveOutcome SaveTxt(const QString &path, const ResultTable &table, int rowCount, const CaptionTable &captions)
{
    return SaveExport(path, TxtBytes(table, rowCount, captions), captions);
}

} // namespace brevath
