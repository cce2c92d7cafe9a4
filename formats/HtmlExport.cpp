#include "HtmlExport.h"

#include "TextFile.h"
#include "Margins.h"
#include "TextExport.h"
#include "CaptionTable.h"

namespace brevath {

namespace {

const QString kFont = QStringLiteral("<font face=Verdana size=2>");
const QString kDataCellStart = QStringLiteral("<TD ALIGN=RIGHT> ");
const QString kDataCellEnd = QStringLiteral("</font></TD>");

// Names come from files others pass around; they must not become markup.
QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString headerCellEnd(int k)
{
    if (k == 3)
        return QStringLiteral("</font></B></TD>");
    if (k == 12)
        return QStringLiteral("</B></font></TD></TR>");
    return QStringLiteral("</B></font></TD>");
}

} // namespace

QByteArray HtmlBytes(const Plan &plan, const CaptionTable &captions)
{
    const std::vector<std::int64_t> margins = ComputeMargins(plan.lines);

    QString page = QStringLiteral("<HTML><HEAD><TITLE>") + escaped(captions.entry(Caption::HtmlTitle))
        + QStringLiteral("</TITLE></HEAD><BODY BGCOLOR=#FFFFFF text=#000000>") + kLineEnd;
    page += QStringLiteral("<TABLE BORDER=1 cellpadding=2 cellspacing=0><TR>");
    const QStringList titles = ExportColumnTitles(captions);
    for (int k = 1; k <= titles.size(); ++k)
        page += QStringLiteral("<TD ALIGN=LEFT><B>") + kFont + escaped(titles[k - 1]) + headerCellEnd(k);
    page += kLineEnd;

    for (size_t i = 0; i < plan.lines.size(); ++i) {
        page += QStringLiteral("<TR>") + kLineEnd;
        for (int column = 0; column < kPlanColumns; ++column) {
            const QString field = ColumnText(plan, plan.lines[i], column, captions);
            page += kDataCellStart + kFont + (field.isEmpty() ? QStringLiteral("&nbsp;") : escaped(field))
                + kDataCellEnd + kLineEnd;
        }
        page += kDataCellStart + kFont + QString::number(margins[i]) + kDataCellEnd + kLineEnd;
        page += QStringLiteral("</TR>") + kLineEnd;
    }
    page += QStringLiteral("</TABLE></BODY></HTML>") + kLineEnd;
    return EncodeWindows1252(page);
}

Outcome SaveHtml(const QString &path, const Plan &plan, const CaptionTable &captions)
{
    return SaveExport(path, HtmlBytes(plan, captions), captions);
}

} // namespace brevath
