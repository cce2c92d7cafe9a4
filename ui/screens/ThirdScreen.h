#pragma once
// The results screen: the plan, one line per level, its two exports, and another plan beside it.

#include <array>

#include "Plan.h"
#include "PlanSource.h"
#include "Outcome.h"
#include "CommonDialog.h"
#include "ProgramWindow.h"

class QAction;
class QPushButton;
class QToolButton;
class QTreeView;

namespace brevath {
struct Workspace;
class CaptionTable;
} // namespace brevath

namespace brevath::ui {

class ComparisonModel;
class Notice;
class ToolsButton;
class Prompts;
class ResultListView;
class ResultTableModel;
class RiseChart;

class ThirdScreen : public ProgramWindow
{
    Q_OBJECT

public:
    ThirdScreen(Workspace &workspace, Prompts &prompts);

    // Rebuilds the ChoiceList from the workspace's goal rows and shows the plan. False, with
    // the list left as it was, when a statistic target cannot be packed.
    bool MakeList();
    // The language's captions onto the screen: its title, the list's headings, the chart's texts.
    void ApplyCaptions(const CaptionTable &captions);

    // At the place of another screen, in the size the player last gave this one, else in that
    // screen's size.
    void PlaceAt(const QWidget &place);

    bool IsComparing() const { return m_comparing; }
    // Another plan under the list, on its own sheet or else the session's, or the message why
    // it cannot be: a goal that names nothing refuses it, as a comparison that skipped it would mislead.
    void CompareWith(const PlanSource &source);
    // The chart as the player last left it, kept by the program; not told back as a change.
    void SetChartShown(bool shown);
    // The size the player last gave the window, kept by the program; invalid for none.
    void SetPlayerSize(const QSize &size);

signals:
    void previousPageRequested();
    void chartShownChanged(bool shown);
    void playerSizeChanged(const QSize &size);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layOut();
    void showChart(bool shown);
    void copyLines();
    void retranslate();
    void closeComparison();
    QString shareCode() const;
    void copyShareCode();
    void savePage();
    using ExportWriter = Outcome (*)(const QString &, const Plan &, const CaptionTable &);
    // Both export buttons: ask for a path, write, and tell the outcome.
    void exportPlan(ExportWriter save, const FileType &type);

    // The list and, when the chart toggle is down, the chart under it: two views of one model,
    // which holds the plan.
    ResultTableModel *m_resultModel;
    ResultListView *ListView1;
    RiseChart *m_chart;
    QPushButton *Command1, *Command2, *Command3;
    QToolButton *m_chartToggle;
    CommonDialog CommonDialog1;
    // Another plan beside this one, under the list while comparing, and the button that closes it.
    ComparisonModel *m_comparisonModel;
    QTreeView *m_comparison;
    QPushButton *m_closeComparison;
    // The list's context menu, each with its shortcut, and the same from the tools button in
    // sight; m_copyLinesAction names the list's own Ctrl+C. The notice tells of a copy.
    QAction *m_compareFileAction, *m_compareCodeAction, *m_copyCodeAction, *m_closeComparisonAction, *m_savePageAction,
        *m_copyLinesAction;
    ToolsButton *m_toolsButton;
    Notice *m_notice;

    Workspace &m_workspace;
    Prompts &m_prompts;
    bool m_comparing = false;
    QSize m_playerSize; // invalid until the player resizes the window
};

} // namespace brevath::ui
