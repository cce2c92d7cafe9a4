#pragma once
// The results screen: the plan, one line per level, and its two exports.

#include <array>

#include "ChoiceList.h"
#include "ResultTable.h"
#include "Outcome.h"
#include "CommonDialog.h"
#include "ProgramWindow.h"

class QPushButton;
class QSplitter;
class QTreeWidget;

namespace brevath {
struct Workspace;
class CaptionTable;
}

namespace brevath::ui {

class Prompts;
class RiseChart;

class ThirdScreen : public ProgramWindow
{
    Q_OBJECT

public:
    ThirdScreen(Workspace &workspace, Prompts &prompts);

    // Rebuilds the ChoiceList from the choice rows and shows the plan. False, with the list
    // left as it was, when a statistic target cannot be packed.
    bool MakeList(const std::array<QString, kChoiceRows> &rowTexts);

    // The list above the chart; the player drags the bar between them, or shuts the chart.
    QSplitter *Splitter1;
    QTreeWidget *ListView1;
    RiseChart *Chart1;
    QPushButton *Command1, *Command2, *Command3;
    CommonDialog CommonDialog1;

signals:
    void previousPageRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOut();
    void selectLine(int line);
    void copyLines();
    using ExportWriter = SaveOutcome (*)(const QString &, const ResultTable &, int, const CaptionTable &);
    // Both export buttons: ask for a path, write, and tell the outcome.
    void exportPlan(ExportWriter save);

    Workspace &m_workspace;
    Prompts &m_prompts;
};

} // namespace brevath::ui
