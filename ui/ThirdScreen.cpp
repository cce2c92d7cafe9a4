#include "ThirdScreen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>

#include "Workspace.h"
#include "HtmlExport.h"
#include "TextExport.h"
#include "Controls.h"
#include "GoalTips.h"
#include "Prompts.h"
#include "ResultListView.h"
#include "ResultsLayout.h"
#include "RiseChart.h"

namespace brevath::ui {

ThirdScreen::ThirdScreen(Workspace &workspace, Prompts &prompts)
    : ProgramWindow(QStringLiteral("ThirdScreen")), CommonDialog1(prompts, this), m_workspace(workspace),
      m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Résultats"));

    Splitter1 = MakeControl<QSplitter>(this, QStringLiteral("Splitter1"), 120, 120, 9255, 6135);
    Splitter1->setOrientation(Qt::Vertical);
    ListView1 = new QTreeWidget(Splitter1);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    SetUpResultColumns(ListView1);
    // A scroll bar that comes or goes changes the width left to the last column.
    ListView1->viewport()->installEventFilter(this);
    ListView1->installEventFilter(this);
    Chart1 = new RiseChart(Splitter1);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setMinimumHeight(ToPixels(1800));
    Splitter1->setCollapsible(0, false);
    Splitter1->setCollapsible(1, true);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 1);
    connect(Chart1, &RiseChart::lineClicked, this, &ThirdScreen::selectLine);
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        Chart1->HighlightLine(current ? ListView1->indexOfTopLevelItem(current) : -1);
    });

    Command2 = MakeControl<QPushButton>(this, QStringLiteral("Command2"), 240, 6480, kBackButtonWidth,
                                        kResultsButtonHeight);
    Command2->setText(QStringLiteral("Page Précédente"));
    Command3 = MakeControl<QPushButton>(this, QStringLiteral("Command3"), 4680, 6480, kTextButtonWidth,
                                        kResultsButtonHeight);
    Command3->setText(QStringLiteral("Sauver sous format  TXT"));
    Command1 = MakeControl<QPushButton>(this, QStringLiteral("Command1"), 7080, 6480, kHtmlButtonWidth,
                                        kResultsButtonHeight);
    Command1->setText(QStringLiteral("Sauver sous format HTML"));
    connect(Command2, &QPushButton::clicked, this, &ThirdScreen::previousPageRequested);
    connect(Command3, &QPushButton::clicked, this, [this] { exportPlan(&SaveTxt); });
    connect(Command1, &QPushButton::clicked, this, [this] { exportPlan(&SaveHtml); });

    // Buttons and list must stay apart; the design size is the natural one.
    setMinimumSize(ToPixels(kBackButtonWidth + kTextButtonWidth + kHtmlButtonWidth + 300),
                   ToPixels(kResultsButtonHeight * 4));
    resize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    layOut();
    // Half the height for the list, half for the chart, until the player drags the bar.
    Splitter1->setSizes({Splitter1->height() / 2, Splitter1->height() / 2});
}

bool ThirdScreen::MakeList(const std::array<QString, kChoiceRows> &rowTexts)
{
    m_workspace.goals.texts = rowTexts;
    const PlanRun run = MakePlan(m_workspace);
    if (!run.ok)
        return false;
    ShowResultRows(ListView1, run.rows);
    MarkGoalLines(ListView1, GoalToolTips(m_workspace, run.rows));
    Chart1->ShowRows(run.rows);
    SizeLastColumn(ListView1);
    ListView1->viewport()->update();
    return true;
}

void ThirdScreen::layOut()
{
    const ResultsLayout layout = LayOutResults(ToTwips(width()), ToTwips(height()));
    Splitter1->setGeometry(PixelRect(layout.ListView1));
    Command1->setGeometry(PixelRect(layout.Command1));
    Command2->setGeometry(PixelRect(layout.Command2));
    Command3->setGeometry(PixelRect(layout.Command3));
    SizeLastColumn(ListView1);
}

void ThirdScreen::resizeEvent(QResizeEvent *event)
{
    ProgramWindow::resizeEvent(event);
    layOut();
}

bool ThirdScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1->viewport() && event->type() == QEvent::Resize)
        SizeLastColumn(ListView1);
    // Before the list's own copy, which would take one cell.
    if (watched == ListView1 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copyLines();
        return true;
    }
    return ProgramWindow::eventFilter(watched, event);
}

void ThirdScreen::selectLine(int line)
{
    QTreeWidgetItem *item = ListView1->topLevelItem(line);
    if (!item)
        return;
    ListView1->setCurrentItem(item);
    ListView1->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void ThirdScreen::copyLines()
{
    const QString text = SelectedLinesText(ListView1, m_workspace.results, m_workspace.captions);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void ThirdScreen::exportPlan(ExportWriter save)
{
    const QString path = CommonDialog1.ShowSave();
    if (path.isEmpty())
        return;
    const int rowCount = ListView1->topLevelItemCount();
    m_prompts.ShowMessage(this, save(path, m_workspace.results, rowCount, m_workspace.captions).message);
}

} // namespace brevath::ui
