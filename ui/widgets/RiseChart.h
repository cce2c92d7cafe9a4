#pragma once
// The rise as a chart under the result list: the five statistics on the left axis, hit and
// mana points on the right, a marker at every level where goals became usable.

#include <QChartView>
#include <array>
#include <cstdint>
#include <vector>

#include "Plan.h"

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class ResultTableModel;

class RiseChart : public QChartView
{
    Q_OBJECT

public:
    explicit RiseChart(QWidget *parent);

    // Columns 1 to 7 of every line: Str to Int, hit points, mana points.
    static constexpr int kDrawnFields = 7;

    // Draws the lines of this model, again whenever it changes.
    void SetModel(const ResultTableModel *model);
    // Axis titles and legend from the column headers (entries 41 to 48, and 50 for the markers).
    void ApplyCaptions(const CaptionTable &captions);
    // A small picture of a rising line, for the button that shows the chart.
    static QIcon Icon();
    // Another plan's rise over this one, dotted and paler in the same colours, named in the
    // legend beside this plan; no lines take it away.
    void ShowSecondPlan(std::vector<PlanLine> lines, const QString &name = {});
    // A vertical mark at the level of this line of the plan; -1 takes it away.
    void HighlightLine(int line);

    QLineSeries *FieldSeries(int field) const { return m_fields[size_t(field - 1)]; }
    QLineSeries *SecondFieldSeries(int field) const { return m_secondFields[size_t(field - 1)]; }
    QScatterSeries *GoalMarkers() const { return m_goals; }
    QLineSeries *Highlight() const { return m_highlight; }
    // What the marker at this level says: the goals named there.
    QString GoalsAt(double level) const;

signals:
    void lineClicked(int line);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Ground, texts and lines from the palette in force, light or dark.
    void applyPalette();
    void retranslate();
    void showRows();
    int lineAt(double level) const;

    std::array<QLineSeries *, kDrawnFields> m_fields{}, m_secondFields{};
    std::vector<PlanLine> m_secondLines;
    QScatterSeries *m_goals;
    QLineSeries *m_highlight;
    std::array<QLineSeries *, 2> m_planKeys{}; // legend keys: this plan, the other
    QValueAxis *m_levelAxis, *m_statAxis, *m_pointAxis;
    const ResultTableModel *m_model = nullptr;
    std::int64_t m_firstLevel = 0;
};

} // namespace brevath::ui
