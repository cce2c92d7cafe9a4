#include "RiseChart.h"

#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "CaptionTable.h"

namespace brevath::ui {

namespace {

constexpr int kHitPointsField = 6;
constexpr int kGoalsHeader = 50;
// Str, End, Dex, Sag, Int, then hit and mana points, dashed on their own axis.
const QColor kFieldColours[RiseChart::kDrawnFields] = {QColor(0xc0392b), QColor(0x27ae60), QColor(0x2471a3),
                                                       QColor(0x8e44ad), QColor(0xd68910), QColor(0x922b21),
                                                       QColor(0x1f618d)};

QValueAxis *makeAxis(QChart *chart, Qt::Alignment side, int ticks)
{
    auto *axis = new QValueAxis(chart);
    axis->setLabelFormat(QStringLiteral("%i"));
    axis->setTickCount(ticks);
    QFont font = axis->labelsFont();
    font.setPointSizeF(7.5);
    axis->setLabelsFont(font);
    axis->setTitleFont(font);
    chart->addAxis(axis, side);
    return axis;
}

void attach(QChart *chart, QXYSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// A step of 1, 2, 2.5 or 5 times a power of ten that cuts the span into about eight parts.
double roundStep(double span)
{
    const double rough = std::max(span / 8.0, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 2.5, 5.0}) {
        if (multiple * power >= rough)
            return multiple * power;
    }
    return 10.0 * power;
}

QString joinedHeaders(const CaptionTable &captions, int first, int last)
{
    QStringList headers;
    for (int n = first; n <= last; ++n)
        headers << captions.entry(n);
    return headers.join(QStringLiteral(" · "));
}

} // namespace

RiseChart::RiseChart(QWidget *parent) : QChartView(new QChart, parent)
{
    QChart *c = chart();
    c->setMargins(QMargins(2, 0, 2, 0));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
    setFrameShape(QFrame::NoFrame);
    c->legend()->setAlignment(Qt::AlignTop);
    QFont legendFont = c->legend()->font();
    legendFont.setPointSizeF(7.5);
    c->legend()->setFont(legendFont);
    setRenderHint(QPainter::Antialiasing);

    m_levelAxis = makeAxis(c, Qt::AlignBottom, 9);
    // Levels are marked at round numbers, wherever the plan starts.
    m_levelAxis->setTickType(QValueAxis::TicksDynamic);
    m_levelAxis->setTickAnchor(0);
    m_statAxis = makeAxis(c, Qt::AlignLeft, 5);
    m_pointAxis = makeAxis(c, Qt::AlignRight, 5);
    for (int field = 1; field <= kDrawnFields; ++field) {
        auto *series = new QLineSeries(c);
        QPen pen(kFieldColours[field - 1], 1.6);
        if (field >= kHitPointsField)
            pen.setStyle(Qt::DashLine);
        series->setPen(pen);
        attach(c, series, m_levelAxis, field >= kHitPointsField ? m_pointAxis : m_statAxis);
        m_fields[size_t(field - 1)] = series;
    }

    m_goals = new QScatterSeries(c);
    m_goals->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    m_goals->setMarkerSize(9);
    m_goals->setColor(QColor(0xf1c40f));
    m_goals->setBorderColor(QColor(0x4d3b00));
    attach(c, m_goals, m_levelAxis, m_statAxis);
    connect(m_goals, &QScatterSeries::hovered, this, [this](const QPointF &point, bool entered) {
        if (entered)
            QToolTip::showText(QCursor::pos(), GoalsAt(point.x()), this);
        else
            QToolTip::hideText();
    });

    m_highlight = new QLineSeries(c);
    m_highlight->setPen(QPen(QColor(0, 0, 0, 110), 2.0));
    attach(c, m_highlight, m_levelAxis, m_statAxis);
    c->legend()->markers(m_highlight).constFirst()->setVisible(false);
}

void RiseChart::ShowRows(const std::vector<ResultRow> &rows)
{
    std::array<QList<QPointF>, kDrawnFields> points;
    QList<QPointF> goals;
    m_names.clear();
    double statLow = 0, statHigh = 1, pointHigh = 1;
    for (const ResultRow &row : rows) {
        const double level = row[ResultField::Level].toDouble();
        double highestStat = 0;
        for (int field = 1; field <= kDrawnFields; ++field) {
            const double value = row[size_t(field)].toDouble();
            points[size_t(field - 1)].append(QPointF(level, value));
            if (field < kHitPointsField) {
                highestStat = field == 1 ? value : std::max(highestStat, value);
                statLow = std::min(statLow, value);
                statHigh = std::max(statHigh, value);
            } else {
                pointHigh = std::max(pointHigh, value);
            }
        }
        // A marker sits on the highest statistic of its level, where it cannot hide a line's end.
        if (!row[ResultField::Names].isEmpty())
            goals.append(QPointF(level, highestStat));
        m_names.push_back(row[ResultField::Names]);
    }
    for (int field = 1; field <= kDrawnFields; ++field)
        m_fields[size_t(field - 1)]->replace(points[size_t(field - 1)]);
    m_goals->replace(goals);

    m_firstLevel = rows.empty() ? 0 : rows.front()[ResultField::Level].toLongLong();
    const double lastLevel = rows.empty() ? 1 : rows.back()[ResultField::Level].toDouble();
    const double levelEnd = std::max(lastLevel, double(m_firstLevel) + 1);
    m_levelAxis->setRange(double(m_firstLevel), levelEnd);
    m_levelAxis->setTickInterval(roundStep(levelEnd - double(m_firstLevel)));
    m_statAxis->setRange(statLow, statHigh);
    m_statAxis->applyNiceNumbers();
    m_pointAxis->setRange(0, pointHigh);
    m_pointAxis->applyNiceNumbers();
    HighlightLine(-1);
}

void RiseChart::ApplyCaptions(const CaptionTable &captions)
{
    const int firstHeader = Caption::FirstListHeader;
    m_levelAxis->setTitleText(captions.entry(firstHeader));
    m_statAxis->setTitleText(joinedHeaders(captions, firstHeader + 1, firstHeader + kHitPointsField - 1));
    m_pointAxis->setTitleText(joinedHeaders(captions, firstHeader + kHitPointsField, firstHeader + kDrawnFields));
    for (int field = 1; field <= kDrawnFields; ++field)
        m_fields[size_t(field - 1)]->setName(captions.entry(firstHeader + field));
    m_goals->setName(captions.entry(kGoalsHeader));
}

void RiseChart::HighlightLine(int line)
{
    if (line < 0 || size_t(line) >= m_names.size()) {
        m_highlight->clear();
        return;
    }
    const double level = double(m_firstLevel + line);
    m_highlight->replace({QPointF(level, m_statAxis->min()), QPointF(level, m_statAxis->max())});
}

QString RiseChart::GoalsAt(double level) const
{
    const int line = lineAt(level);
    return line >= 0 ? m_names[size_t(line)] : QString();
}

int RiseChart::lineAt(double level) const
{
    const std::int64_t line = std::llround(level) - m_firstLevel;
    return line >= 0 && line < std::int64_t(m_names.size()) ? int(line) : -1;
}

void RiseChart::mouseReleaseEvent(QMouseEvent *event)
{
    QChartView::mouseReleaseEvent(event);
    const QPointF onChart = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    if (event->button() != Qt::LeftButton || !chart()->plotArea().contains(onChart))
        return;
    // Anywhere over the plot picks the nearest level: a point need not be hit to the pixel.
    const QPointF value = chart()->mapToValue(onChart, m_fields[0]);
    const int line = lineAt(value.x());
    if (line >= 0)
        emit lineClicked(line);
}

} // namespace brevath::ui
