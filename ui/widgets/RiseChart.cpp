#include "RiseChart.h"

#include <QGraphicsLayout>
#include <QIcon>
#include <QPainter>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "CaptionTable.h"
#include "ResultTableModel.h"

namespace brevath::ui {

namespace {

constexpr int kHitPointsField = PlanColumn::HitPoints;
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
        const bool points = field >= kHitPointsField;
        auto *series = new QLineSeries(c);
        QPen pen(kFieldColours[field - 1], 1.6);
        if (points)
            pen.setStyle(Qt::DashLine);
        series->setPen(pen);
        attach(c, series, m_levelAxis, points ? m_pointAxis : m_statAxis);
        m_fields[size_t(field - 1)] = series;

        // The other plan's points must not look like this plan's, which are dashed already.
        auto *second = new QLineSeries(c);
        pen.setStyle(points ? Qt::DotLine : Qt::DashLine);
        second->setPen(pen);
        attach(c, second, m_levelAxis, points ? m_pointAxis : m_statAxis);
        c->legend()->markers(second).constFirst()->setVisible(false);
        m_secondFields[size_t(field - 1)] = second;
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

void RiseChart::SetModel(const ResultTableModel *model)
{
    m_model = model;
    connect(model, &QAbstractItemModel::modelReset, this, &RiseChart::showRows);
    showRows();
}

void RiseChart::showRows()
{
    const std::vector<PlanLine> &lines = m_model->plan().lines;
    double statLow = 0, statHigh = 1, pointHigh = 1;
    double levelStart = lines.empty() ? 0 : double(lines.front().level());
    double levelEnd = lines.empty() ? 1 : double(lines.back().level());
    // Draws one plan's lines; the highest statistic of each line in highest.
    const auto draw = [&](const std::vector<PlanLine> &plan, const std::array<QLineSeries *, kDrawnFields> &series,
                          std::vector<double> &highest) {
        std::array<QList<QPointF>, kDrawnFields> points;
        for (const PlanLine &line : plan) {
            const double level = double(line.level());
            double highestStat = 0;
            for (int field = 1; field <= kDrawnFields; ++field) {
                const double value = double(ColumnNumber(line, field));
                points[size_t(field - 1)].append(QPointF(level, value));
                if (field < kHitPointsField) {
                    highestStat = field == 1 ? value : std::max(highestStat, value);
                    statLow = std::min(statLow, value);
                    statHigh = std::max(statHigh, value);
                } else {
                    pointHigh = std::max(pointHigh, value);
                }
            }
            highest.push_back(highestStat);
        }
        if (!plan.empty()) {
            levelStart = std::min(levelStart, double(plan.front().level()));
            levelEnd = std::max(levelEnd, double(plan.back().level()));
        }
        for (int field = 1; field <= kDrawnFields; ++field)
            series[size_t(field - 1)]->replace(points[size_t(field - 1)]);
    };
    std::vector<double> highest, unused;
    draw(lines, m_fields, highest);
    draw(m_secondLines, m_secondFields, unused);

    // A marker sits on the highest statistic of its level, where it cannot hide a line's end.
    QList<QPointF> goals;
    for (size_t line = 0; line < lines.size(); ++line) {
        if (!lines[line].reached.empty())
            goals.append(QPointF(double(lines[line].level()), highest[line]));
    }
    m_goals->replace(goals);

    m_firstLevel = lines.empty() ? 0 : lines.front().level();
    levelEnd = std::max(levelEnd, levelStart + 1);
    m_levelAxis->setRange(levelStart, levelEnd);
    m_levelAxis->setTickInterval(roundStep(levelEnd - levelStart));
    m_statAxis->setRange(statLow, statHigh);
    m_statAxis->applyNiceNumbers();
    m_pointAxis->setRange(0, pointHigh);
    m_pointAxis->applyNiceNumbers();
    HighlightLine(-1);
}

void RiseChart::ShowSecondPlan(std::vector<PlanLine> lines)
{
    m_secondLines = std::move(lines);
    showRows();
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

QIcon RiseChart::Icon()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x404040), 5, Qt::SolidLine, Qt::SquareCap));
    painter.drawPolyline(QPolygonF({{8, 6}, {8, 56}, {58, 56}}));
    painter.setPen(QPen(kFieldColours[0], 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{14, 48}, {26, 36}, {36, 40}, {54, 14}}));
    painter.setPen(QPen(kFieldColours[2], 6, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{14, 52}, {34, 46}, {54, 34}}));
    painter.end();
    return QIcon(picture);
}

void RiseChart::HighlightLine(int line)
{
    if (line < 0 || !m_model || line >= m_model->rowCount()) {
        m_highlight->clear();
        return;
    }
    const double level = double(m_firstLevel + line);
    m_highlight->replace({QPointF(level, m_statAxis->min()), QPointF(level, m_statAxis->max())});
}

QString RiseChart::GoalsAt(double level) const
{
    const int line = lineAt(level);
    const Plan &plan = m_model->plan();
    return line >= 0 ? NamesText(plan, plan.lines[size_t(line)]) : QString();
}

int RiseChart::lineAt(double level) const
{
    const std::int64_t line = std::llround(level) - m_firstLevel;
    return m_model && line >= 0 && line < m_model->rowCount() ? int(line) : -1;
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
