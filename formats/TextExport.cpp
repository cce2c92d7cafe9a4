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

QStringList TxtLines(const Plan &plan, const CaptionTable &captions)
{
    const std::vector<std::int64_t> margins = ComputeMargins(plan.lines);
    QStringList lines = {ExportColumnTitles(captions).join(u'\t')};
    for (size_t i = 0; i < plan.lines.size(); ++i) {
        QString line;
        for (int column = 0; column < kPlanColumns; ++column) {
            line += ColumnText(plan, plan.lines[i], column, captions);
            line += u'\t';
        }
        lines << line + printForm(margins[i]);
    }
    return lines;
}

QByteArray TxtBytes(const Plan &plan, const CaptionTable &captions)
{
    return EncodeWindows1252(TxtLines(plan, captions).join(kLineEnd) + kLineEnd);
}

Outcome SaveExport(const QString &path, const QByteArray &bytes, const CaptionTable &captions)
{
    if (SaveFileAtomically(path, bytes))
        return {true, captions.message(Caption::ExportSucceeded, path)};
    return {false, captions.message(Caption::ExportFailed, path)};
}

Outcome SaveTxt(const QString &path, const Plan &plan, const CaptionTable &captions)
{
    return SaveExport(path, TxtBytes(plan, captions), captions);
}

} // namespace brevath
