#include "RiseChart.h"

#include <QEvent>
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
#include "Simulation.h"
#include "ResultTableModel.h"

namespace brevath::ui {

namespace {

constexpr int kHitPointsField = PlanColumn::HitPoints;
constexpr int kGoalsHeader = 50;
// Str, End, Dex, Sag, Int, then hit and mana points, dashed on their own axis: colours told
// apart with the common kinds of colour blindness too (Okabe and Ito). Mana points take the
// palette's text colour, which stands out on any ground.
const QColor kFieldColours[RiseChart::kDrawnFields - 1] = {QColor(0xd55e00), QColor(0x009e73), QColor(0x0072b2),
                                                           QColor(0xcc79a7), QColor(0xe69f00), QColor(0x56b4e9)};
const QColor kGoalColour(0xf0e442);
// With no plan: the whole range of levels, and round scales.
constexpr double kEmptyStatHigh = 20, kEmptyPointHigh = 100;

QColor fieldColour(int field, const QPalette &palette)
{
    return field <= RiseChart::kDrawnFields - 1 ? kFieldColours[field - 1] : palette.color(QPalette::Text);
}

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
    return headers.join(u'·'); // no blanks: the whole title fits the short axis of a small chart
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
    // Each key drawn as its line: whole or dashed, this plan's or the other's.
    c->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
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
        attach(c, series, m_levelAxis, points ? m_pointAxis : m_statAxis);
        m_fields[size_t(field - 1)] = series;
        auto *second = new QLineSeries(c);
        attach(c, second, m_levelAxis, points ? m_pointAxis : m_statAxis);
        c->legend()->markers(second).constFirst()->setVisible(false);
        m_secondFields[size_t(field - 1)] = second;
    }

    m_goals = new QScatterSeries(c);
    m_goals->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    m_goals->setMarkerSize(9);
    m_goals->setColor(kGoalColour);
    m_goals->setBorderColor(QColor(0x4d3b00));
    attach(c, m_goals, m_levelAxis, m_statAxis);
    connect(m_goals, &QScatterSeries::hovered, this, [this](const QPointF &point, bool entered) {
        if (entered)
            QToolTip::showText(QCursor::pos(), GoalsAt(point.x()), this);
        else
            QToolTip::hideText();
    });

    m_highlight = new QLineSeries(c);
    attach(c, m_highlight, m_levelAxis, m_statAxis);
    c->legend()->markers(m_highlight).constFirst()->setVisible(false);

    // While comparing, two keys with no points tell the plans apart: this plan's lines are
    // whole, the other plan's dotted and paler.
    for (QLineSeries *&key : m_planKeys) {
        key = new QLineSeries(c);
        attach(c, key, m_levelAxis, m_statAxis);
        c->legend()->markers(key).constFirst()->setVisible(false);
    }
    applyPalette();
}

void RiseChart::applyPalette()
{
    const QPalette colours = palette();
    const QColor text = colours.color(QPalette::Text);
    QChart *c = chart();
    c->setBackgroundBrush(colours.color(QPalette::Base));
    c->setBackgroundPen(Qt::NoPen);
    c->setPlotAreaBackgroundVisible(false);
    c->legend()->setLabelColor(text);
    QColor grid = text;
    grid.setAlpha(40);
    for (QValueAxis *axis : {m_levelAxis, m_statAxis, m_pointAxis}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(colours.color(QPalette::Mid));
        axis->setGridLineColor(grid);
    }
    for (int field = 1; field <= kDrawnFields; ++field) {
        const bool points = field >= kHitPointsField;
        QPen pen(fieldColour(field, colours), 1.6);
        pen.setStyle(points ? Qt::DashLine : Qt::SolidLine);
        m_fields[size_t(field - 1)]->setPen(pen);
        QColor pale = pen.color();
        pale.setAlphaF(0.6);
        m_secondFields[size_t(field - 1)]->setPen(QPen(pale, 1.3, Qt::DotLine));
    }
    QColor mark = text;
    mark.setAlpha(110);
    m_highlight->setPen(QPen(mark, 2.0));
    m_planKeys[0]->setPen(QPen(text, 1.6));
    QColor pale = text;
    pale.setAlphaF(0.6);
    m_planKeys[1]->setPen(QPen(pale, 1.3, Qt::DotLine));
}

void RiseChart::changeEvent(QEvent *event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    if (event->type() == QEvent::LanguageChange)
        retranslate();
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
    double statLow = 0, statHigh = kEmptyStatHigh, pointHigh = kEmptyPointHigh;
    double levelStart = lines.empty() ? 1 : double(lines.front().level());
    double levelEnd = lines.empty() ? kTopLevel : double(lines.back().level());
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

void RiseChart::ShowSecondPlan(std::vector<PlanLine> lines, const QString &name)
{
    m_secondLines = std::move(lines);
    m_planKeys[1]->setName(name);
    const bool comparing = !m_secondLines.empty();
    for (QLineSeries *key : m_planKeys)
        chart()->legend()->markers(key).constFirst()->setVisible(comparing);
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
    retranslate();
}

void RiseChart::retranslate()
{
    m_planKeys[0]->setName(tr("This plan"));
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
    painter.setPen(QPen(kFieldColours[5], 6, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
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
