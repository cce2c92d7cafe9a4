#include "PlanPage.h"

#include <QCoreApplication>
#include <algorithm>

#include "CaptionTable.h"
#include "Margins.h"
#include "TextExport.h"

namespace brevath {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString cell(const QString &tag, const QString &text, const QString &attributes = QString())
{
    return u'<' + tag + attributes + u'>' + escaped(text) + QStringLiteral("</") + tag + u'>';
}

QString numberCell(std::int64_t value)
{
    return cell(QStringLiteral("td"), QString::number(value), QStringLiteral(" class=\"n\""));
}

QString columnHead(const QString &text)
{
    return cell(QStringLiteral("th"), text, QStringLiteral(" scope=\"col\""));
}

QString rowHead(const QString &text)
{
    return cell(QStringLiteral("th"), text, QStringLiteral(" scope=\"row\""));
}

QString statName(const CaptionTable &captions, int stat)
{
    return captions.entry(Caption::StatNameBase + stat);
}

QString sheetTable(const PlanPageInput &page)
{
    const PlanInputs &in = page.inputs;
    const std::array<std::int32_t, kStatCount> start = {in.SDStr, in.SDEnd, in.SDDex, in.SDSag, in.SDInt};
    const auto maxima = in.maxima();
    QString html = QStringLiteral("<table>\n<caption>") + escaped(page.captions.entry(Caption::SheetTitle))
        + QStringLiteral("</caption>\n<thead><tr><td></td>")
        + columnHead(QCoreApplication::translate("Brevath", "Start"))
        + columnHead(page.captions.entry(Caption::MaximumTitle)) + QStringLiteral("</tr></thead>\n<tbody>\n");
    html += QStringLiteral("<tr>") + rowHead(page.captions.entry(Caption::FirstExportTitle)) + numberCell(in.SDLevel)
        + QStringLiteral("<td></td></tr>\n");
    for (int s = 1; s <= kStatCount; ++s) {
        const std::int32_t maximum = maxima[size_t(s - 1)];
        html += QStringLiteral("<tr>") + rowHead(statName(page.captions, s)) + numberCell(start[size_t(s - 1)])
            + (maximum != 0 ? numberCell(maximum) : QStringLiteral("<td></td>")) + QStringLiteral("</tr>\n");
    }
    const QStringList titles = ExportColumnTitles(page.captions);
    html += QStringLiteral("<tr>") + rowHead(titles[PlanColumn::HitPoints]) + numberCell(in.SDPV)
        + QStringLiteral("<td></td></tr>\n<tr>") + rowHead(titles[PlanColumn::ManaPoints]) + numberCell(in.SDPM)
        + QStringLiteral("<td></td></tr>\n<tr>") + rowHead(page.captions.entry(Caption::PriorityTitle))
        + cell(QStringLiteral("td"), statName(page.captions, PriorityInForce(in.Priority)))
        + QStringLiteral("<td></td></tr>\n</tbody>\n</table>\n");
    return html;
}

QString goalTable(const PlanPageInput &page)
{
    const Plan &plan = page.plan;
    QString html = QStringLiteral("<table>\n<caption>") + escaped(QCoreApplication::translate("Brevath", "Goals"))
        + QStringLiteral("</caption>\n<thead><tr>") + columnHead(QStringLiteral("#"))
        + columnHead(QCoreApplication::translate("Brevath", "Goal"))
        + columnHead(QCoreApplication::translate("Brevath", "Reached at level"))
        + QStringLiteral("</tr></thead>\n<tbody>\n");
    for (size_t goal = 0; goal < plan.labels.size(); ++goal) {
        const std::optional<int> level = plan.reachedLevel(goal);
        html += QStringLiteral("<tr>") + numberCell(std::int64_t(goal) + 1) + rowHead(plan.labels[goal])
            + (level ? numberCell(*level)
                     : cell(QStringLiteral("td"), QCoreApplication::translate("Brevath", "never"),
                            QStringLiteral(" class=\"n\"")))
            + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody>\n</table>\n");
}

QString riseTable(const PlanPageInput &page)
{
    const Plan &plan = page.plan;
    const std::vector<std::int64_t> margins = ComputeMargins(plan.lines);
    QString html = QStringLiteral("<table>\n<caption>") + escaped(page.captions.entry(Caption::HtmlTitle))
        + QStringLiteral("</caption>\n<thead><tr>");
    for (const QString &title : ExportColumnTitles(page.captions))
        html += columnHead(title);
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (size_t i = 0; i < plan.lines.size(); ++i) {
        const PlanLine &line = plan.lines[i];
        html += QStringLiteral("<tr>") + rowHead(QString::number(line.level()));
        for (int column = 1; column < kPlanColumns; ++column) {
            if (column == PlanColumn::Points || column == PlanColumn::Names)
                html += cell(QStringLiteral("td"), ColumnText(plan, line, column, page.captions));
            else
                html += numberCell(ColumnNumber(line, column));
        }
        html += numberCell(margins[i]) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</tbody>\n</table>\n");
}

// Colours told apart under the common colour blindness, and a dash each as well.
constexpr const char *kStatColours[kStatCount] = {"#D55E00", "#0072B2", "#009E73", "#CC79A7", "#E69F00"};
constexpr const char *kStatDashes[kStatCount] = {"", "6 3", "2 3", "8 3 2 3", "1 2"};

QString chart(const PlanPageInput &page)
{
    const std::vector<PlanLine> &lines = page.plan.lines;
    constexpr int kWidth = 640, kHeight = 320, kLeft = 70, kRight = 150, kTop = 10, kBottom = 30;
    const std::int64_t firstLevel = lines.front().level(), lastLevel = lines.back().level();
    std::int64_t low = 0, high = 1;
    for (const PlanLine &line : lines)
        for (int s = 1; s <= kStatCount; ++s) {
            low = std::min(low, line.stats[size_t(s)]);
            high = std::max(high, line.stats[size_t(s)]);
        }
    const double plotWidth = kWidth - kLeft - kRight, plotHeight = kHeight - kTop - kBottom;
    const auto x = [&](std::int64_t level) {
        return kLeft
            + (lastLevel > firstLevel ? plotWidth * double(level - firstLevel) / double(lastLevel - firstLevel) : 0.0);
    };
    const auto y = [&](std::int64_t value) { return kTop + plotHeight * double(high - value) / double(high - low); };
    const auto number = [](double v) { return QString::number(v, 'f', 1); };

    const QString title = escaped(QCoreApplication::translate("Brevath", "The statistics level by level"));
    QString svg = QStringLiteral("<figure>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\" "
                                 "width=\"%1\" height=\"%2\" role=\"img\" aria-labelledby=\"chart-title\">\n"
                                 "<title id=\"chart-title\">%3</title>\n")
                      .arg(kWidth)
                      .arg(kHeight)
                      .arg(title);
    svg += QStringLiteral("<g class=\"axes\"><line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\"/>"
                          "<line x1=\"%1\" y1=\"%3\" x2=\"%4\" y2=\"%3\"/></g>\n")
               .arg(kLeft)
               .arg(kTop)
               .arg(kHeight - kBottom)
               .arg(kWidth - kRight);
    for (const std::int64_t value : {low, high})
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\">%3</text>\n")
                   .arg(kLeft - 4)
                   .arg(number(y(value) + 4))
                   .arg(value);
    for (const std::int64_t level : {firstLevel, lastLevel})
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>\n")
                   .arg(number(x(level)))
                   .arg(kHeight - kBottom + 16)
                   .arg(level);
    for (int s = 1; s <= kStatCount; ++s) {
        QStringList points;
        for (const PlanLine &line : lines)
            points << number(x(line.level())) + u',' + number(y(line.stats[size_t(s)]));
        const QString dash = QLatin1String(kStatDashes[s - 1]);
        svg += QStringLiteral("<polyline fill=\"none\" stroke-width=\"2\" stroke=\"%1\"%2 points=\"%3\"/>\n")
                   .arg(QLatin1String(kStatColours[s - 1]),
                        dash.isEmpty() ? QString() : QStringLiteral(" stroke-dasharray=\"") + dash + u'"',
                        points.join(u' '));
        const int legendY = kTop + 20 * s;
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke-width=\"2\" stroke=\"%4\"%5/>"
                              "<text x=\"%6\" y=\"%7\">%8</text>\n")
                   .arg(kWidth - kRight + 10)
                   .arg(legendY)
                   .arg(kWidth - kRight + 40)
                   .arg(QLatin1String(kStatColours[s - 1]),
                        dash.isEmpty() ? QString() : QStringLiteral(" stroke-dasharray=\"") + dash + u'"')
                   .arg(kWidth - kRight + 46)
                   .arg(legendY + 4)
                   .arg(escaped(statName(page.captions, s)));
    }
    return svg + QStringLiteral("</svg>\n<figcaption>") + title + QStringLiteral("</figcaption>\n</figure>\n");
}

const char *const kStyle = "body{font-family:Verdana,sans-serif;font-size:14px;margin:1em;color:#000;background:#fff}\n"
                           "table{border-collapse:collapse;margin:0 0 1.5em}\n"
                           "caption{font-weight:bold;text-align:left;padding:4px 0}\n"
                           "th,td{border:1px solid #999;padding:2px 6px;text-align:left}\n"
                           ".n{text-align:right}\n"
                           "svg{max-width:100%;height:auto;font-size:12px}\n"
                           ".axes line{stroke:#000}\n"
                           ".code{font-family:monospace;word-break:break-all}\n"
                           "@media print{body{margin:0;font-size:10px}tr{break-inside:avoid}"
                           "thead{display:table-header-group}figure{break-inside:avoid}}\n";

} // namespace

QByteArray PlanPageBytes(const PlanPageInput &page)
{
    const QString title = page.captions.entry(Caption::HtmlTitle);
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"") + escaped(page.languageCode)
        + QStringLiteral("\">\n<head>\n<meta charset=\"utf-8\">\n"
                         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>")
        + escaped(title.isEmpty() ? QStringLiteral("Brevath") : title) + QStringLiteral("</title>\n<style>\n")
        + QLatin1String(kStyle) + QStringLiteral("</style>\n</head>\n<body>\n<main>\n");
    if (!title.isEmpty())
        html += cell(QStringLiteral("h1"), title) + u'\n';
    html += sheetTable(page) + goalTable(page);
    if (!page.plan.lines.empty())
        html += chart(page) + riseTable(page);
    if (!page.shareCode.isEmpty())
        html += QStringLiteral("<p>") + escaped(QCoreApplication::translate("Brevath", "Share code:"))
            + QStringLiteral(" <span class=\"code\">") + escaped(page.shareCode) + QStringLiteral("</span></p>\n");
    html += QStringLiteral("</main>\n</body>\n</html>\n");
    return html.toUtf8();
}

Outcome SavePlanPage(const QString &path, const PlanPageInput &page)
{
    return SaveExport(path, PlanPageBytes(page), page.captions);
}

} // namespace brevath
