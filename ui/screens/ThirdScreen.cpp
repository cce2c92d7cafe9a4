#include "ThirdScreen.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

#include "Workspace.h"
#include "HtmlExport.h"
#include "PlanPage.h"
#include "TextExport.h"
#include "Translations.h"
#include "ShareCode.h"
#include "CaptionAppliers.h"
#include "ComparisonModel.h"
#include "Controls.h"
#include "GoalTips.h"
#include "Notice.h"
#include "Prompts.h"
#include "ResultListView.h"
#include "ResultTableModel.h"
#include "ResultsLayout.h"
#include "RiseChart.h"
#include "ToolsButton.h"

namespace brevath::ui {

ThirdScreen::ThirdScreen(Workspace &workspace, Prompts &prompts)
    : ProgramWindow(QStringLiteral("ThirdScreen")), CommonDialog1(prompts, this), m_workspace(workspace),
      m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Résultats"));

    m_resultModel = new ResultTableModel(m_workspace.captions, this);
    m_resultModel->setObjectName(QStringLiteral("resultModel"));
    ListView1 = MakeControl<ResultListView>(this, QStringLiteral("ListView1"), 120, 120, 9255, 6135);
    ListView1->setModel(m_resultModel);
    m_chart = MakeControl<RiseChart>(this, QStringLiteral("chart"), 120, 6255, 9255, 0);
    m_chart->SetModel(m_resultModel);
    connect(m_chart, &RiseChart::lineClicked, ListView1, &ResultListView::SelectLine);
    connect(ListView1, &ResultListView::currentLineChanged, m_chart, &RiseChart::HighlightLine);
    connect(ListView1, &ResultListView::copyRequested, this, &ThirdScreen::copyLines);

    Command2 =
        MakeControl<QPushButton>(this, QStringLiteral("Command2"), 240, 6480, kBackButtonWidth, kResultsButtonHeight);
    Command2->setText(QStringLiteral("Page Précédente"));
    Command3 =
        MakeControl<QPushButton>(this, QStringLiteral("Command3"), 4680, 6480, kTextButtonWidth, kResultsButtonHeight);
    Command3->setText(QStringLiteral("Sauver sous format  TXT"));
    Command1 =
        MakeControl<QPushButton>(this, QStringLiteral("Command1"), 7080, 6480, kHtmlButtonWidth, kResultsButtonHeight);
    Command1->setText(QStringLiteral("Sauver sous format HTML"));
    connect(Command2, &QPushButton::clicked, this, &ThirdScreen::previousPageRequested);
    connect(Command3, &QPushButton::clicked, this, [this] { exportPlan(&SaveTxt, FileType::Text()); });
    connect(Command1, &QPushButton::clicked, this, [this] { exportPlan(&SaveHtml, FileType::Html()); });
    m_chartToggle = MakeControl<QToolButton>(this, QStringLiteral("chartToggle"), 2395, 6480, kResultsButtonHeight,
                                             kResultsButtonHeight);
    m_chartToggle->setCheckable(true);
    m_chartToggle->setIcon(RiseChart::Icon());
    m_chartToggle->setIconSize(QSize(ToPixels(kResultsButtonHeight) - 10, ToPixels(kResultsButtonHeight) - 10));
    m_chart->setVisible(false);
    connect(m_chartToggle, &QToolButton::toggled, this, &ThirdScreen::showChart);

    m_comparisonModel = new ComparisonModel(this);
    m_comparisonModel->setObjectName(QStringLiteral("comparisonModel"));
    m_comparison = MakeControl<QTreeView>(this, QStringLiteral("comparison"), 120, 6255, 9255, 0);
    m_comparison->setRootIsDecorated(false);
    m_comparison->setUniformRowHeights(true);
    m_comparison->setModel(m_comparisonModel);
    // At most a few hundred goals: every column can afford its whole header and texts.
    m_comparison->header()->setStretchLastSection(false);
    m_comparison->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_comparison->hide();
    m_closeComparison = MakeControl<QPushButton>(this, QStringLiteral("closeComparison"), 2940, 6480, kBackButtonWidth,
                                                 kResultsButtonHeight);
    m_closeComparison->hide();
    connect(m_closeComparison, &QPushButton::clicked, this, &ThirdScreen::closeComparison);

    const auto listAction = [this](const char *name, const QKeySequence &keys, auto slot) {
        auto *action = new QAction(ListView1);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        ListView1->addAction(action);
        return action;
    };
    ListView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_compareFileAction = listAction("compareFileAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] {
        const QString path = CommonDialog1.ShowOpen();
        if (!path.isEmpty())
            CompareWith(PlanSource::File(path));
    });
    // A code travels by the clipboard: whoever shares one copies it, so there is nothing to type.
    m_compareCodeAction = listAction("compareCodeAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
                                     [this] { CompareWith(PlanSource::Code(QGuiApplication::clipboard()->text())); });
    m_copyCodeAction =
        listAction("copyCodeAction", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), [this] { copyShareCode(); });
    m_savePageAction =
        listAction("savePageAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { savePage(); });
    m_closeComparisonAction = listAction("closeComparisonAction", QKeySequence(), [this] { closeComparison(); });
    m_closeComparisonAction->setEnabled(false);
    m_copyLinesAction = listAction("copyLinesAction", QKeySequence(), [this] { copyLines(); });
    m_toolsButton = new ToolsButton(this,
                                    {m_copyLinesAction, m_copyCodeAction, m_savePageAction, nullptr,
                                     m_compareFileAction, m_compareCodeAction, m_closeComparisonAction},
                                    true);
    m_notice = new Notice(this, ToPixels(kResultsButtonHeight + 100));
    retranslate();

    // Buttons and list must stay apart; the design size is the natural one.
    setMinimumSize(ToPixels(kBackButtonWidth + kResultsButtonHeight + kTextButtonWidth + kHtmlButtonWidth + 350),
                   ToPixels(kResultsButtonHeight * 4));
    resize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    layOut();
}

void ThirdScreen::SetPlayerSize(const QSize &size)
{
    m_playerSize = size;
}

void ThirdScreen::PlaceAt(const QWidget &place)
{
    move(place.pos());
    resize(m_playerSize.isValid() ? m_playerSize.expandedTo(minimumSize()) : place.size());
}

bool ThirdScreen::MakeList()
{
    closeComparison(); // it compared the plan this run replaces
    std::optional<Plan> plan =
        PlayPlan(m_workspace.goals, m_workspace.inputs, m_workspace.catalogue, m_workspace.captions);
    if (!plan)
        return false;
    std::vector<QString> tips = GoalToolTips(m_workspace, *plan);
    m_resultModel->ShowPlan(std::move(*plan), std::move(tips)); // the list sizes its last column on the new lines
    ListView1->scrollToTop(); // a new plan is read from its start
    return true;
}

void ThirdScreen::layOut()
{
    const ResultsLayout layout =
        LayOutResults(ToTwips(width()), ToTwips(height()), m_chartToggle->isChecked(), m_comparing);
    ListView1->setGeometry(PixelRect(layout.ListView1));
    m_chart->setGeometry(PixelRect(layout.chart));
    Command1->setGeometry(PixelRect(layout.Command1));
    Command2->setGeometry(PixelRect(layout.Command2));
    Command3->setGeometry(PixelRect(layout.Command3));
    m_chartToggle->setGeometry(PixelRect(layout.chartToggle));
    m_toolsButton->setGeometry(PixelRect(layout.toolsButton));
    m_comparison->setGeometry(PixelRect(layout.comparison));
    m_closeComparison->setGeometry(PixelRect(layout.closeComparison));
    ListView1->SizeLastColumn();
}

void ThirdScreen::showChart(bool shown)
{
    m_chart->setVisible(shown);
    layOut();
    emit chartShownChanged(shown);
}

void ThirdScreen::SetChartShown(bool shown)
{
    const QSignalBlocker quiet(m_chartToggle);
    m_chartToggle->setChecked(shown);
    m_chart->setVisible(shown);
    layOut();
}

void ThirdScreen::resizeEvent(QResizeEvent *event)
{
    ProgramWindow::resizeEvent(event);
    // The program sizes the window only while it is hidden: a size given in sight is the player's.
    if (isVisible())
        m_playerSize = size();
    layOut();
}

void ThirdScreen::hideEvent(QHideEvent *event)
{
    ProgramWindow::hideEvent(event);
    if (m_playerSize.isValid())
        emit playerSizeChanged(m_playerSize);
}

void ThirdScreen::changeEvent(QEvent *event)
{
    ProgramWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ThirdScreen::retranslate()
{
    m_compareFileAction->setText(QCoreApplication::translate("Brevath", "Compare with a choice file…"));
    m_compareCodeAction->setText(QCoreApplication::translate("Brevath", "Compare with the copied share code"));
    m_copyCodeAction->setText(QCoreApplication::translate("Brevath", "Copy share code"));
    m_savePageAction->setText(QCoreApplication::translate("Brevath", "Save as a page to share or print…"));
    m_closeComparisonAction->setText(QCoreApplication::translate("Brevath", "Close comparison"));
    // The list takes Ctrl+C itself; the menu only shows it.
    m_copyLinesAction->setText(QCoreApplication::translate("Brevath", "Copy the selected lines") + u'\t'
                               + QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
    m_closeComparison->setText(m_closeComparisonAction->text());
    const QString chart = QCoreApplication::translate("Brevath", "Chart of the rise");
    m_chartToggle->setToolTip(chart);
    m_chartToggle->setAccessibleName(chart);
    m_chart->setAccessibleName(chart);
    m_chart->viewport()->setAccessibleName(chart); // a listener may land on it too
    ListView1->setAccessibleName(QCoreApplication::translate("Brevath", "Result list"));
    m_comparison->setAccessibleName(QCoreApplication::translate("Brevath", "Comparison of the two plans"));
    m_comparisonModel->Retranslate();
}

void ThirdScreen::ApplyCaptions(const CaptionTable &captions)
{
    ApplyTitle(*this, captions.entry(40));
    for (int c = 0; c < kListColumns; ++c)
        m_resultModel->setHeaderData(c, Qt::Horizontal, ShownText(captions.entry(Caption::FirstListHeader + c)));
    // The chart draws its titles and legend as rich text: it is handed the captions escaped.
    CaptionTable escaped;
    for (int n = 1; n <= CaptionTable::kEntries; ++n)
        escaped.setEntry(n, ShownText(captions.entry(n)).toHtmlEscaped());
    m_chart->ApplyCaptions(escaped);
    ApplyButtons(captions, {{51, Command2}, {52, Command3}, {53, Command1}});
}

void ThirdScreen::CompareWith(const PlanSource &source)
{
    Workspace &w = m_workspace;
    const SourcedPlan other =
        ReadPlanSource(source, w, {UnknownGoals::Refuse, SheetRule::Source, PlanRole::Second, w.filters.states});
    if (!other.ok)
        return m_prompts.ShowMessage(this, other.message);
    PlanInputs inputs = w.inputs;
    const bool committed = !other.sheet || CommitSheet(other.sheet->texts, other.sheet->priority, inputs);
    const std::optional<Plan> plan = committed ? PlayPlan(other.rows, inputs, w.catalogue, w.captions) : std::nullopt;
    if (!plan)
        return m_prompts.ShowMessage(
            this,
            AboutPlan(PlanRole::Second, other.name,
                      FailureMessage(w.captions.entry(Caption::CommitFailed), other.name,
                                     committed ? QT_TRANSLATE_NOOP("Brevath", "A statistic goal of %1 is out of range.")
                                               : QT_TRANSLATE_NOOP("Brevath", "Refused value: %1"))));
    m_comparisonModel->ShowComparison(ComparePlans(m_resultModel->plan(), *plan), other.name);
    m_chart->ShowSecondPlan(plan->lines, other.name);
    m_comparing = true;
    m_comparison->show();
    m_closeComparison->show();
    m_closeComparisonAction->setEnabled(true);
    layOut();
    if (!other.notes.isEmpty())
        m_prompts.ShowMessage(this, other.notes.join(u'\n'));
}

void ThirdScreen::closeComparison()
{
    if (!m_comparing)
        return;
    m_comparing = false;
    m_comparison->hide();
    m_closeComparison->hide();
    m_closeComparisonAction->setEnabled(false);
    m_comparisonModel->Clear();
    m_chart->ShowSecondPlan({});
    layOut();
}

QString ThirdScreen::shareCode() const
{
    return EncodeShareCode(SharedPlanOf(m_workspace.inputs, m_workspace.filters.states, m_resultModel->plan().list,
                                        m_workspace.catalogue));
}

void ThirdScreen::copyShareCode()
{
    QGuiApplication::clipboard()->setText(shareCode());
    m_notice->Flash(QCoreApplication::translate("Brevath", "Share code copied."));
}

void ThirdScreen::savePage()
{
    const QString path = CommonDialog1.ShowSave(FileType::Html());
    if (path.isEmpty())
        return;
    const PlanPageInput page{m_workspace.inputs, m_resultModel->plan(), m_workspace.captions,
                             LanguageCode(m_workspace.language.language), shareCode()};
    m_prompts.ShowMessage(this, SavePlanPage(path, page).message);
}

void ThirdScreen::copyLines()
{
    const QString text = LinesText(ListView1->SelectedLines(), m_resultModel->plan(), m_workspace.captions);
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    m_notice->Flash(QCoreApplication::translate("Brevath", "Lines copied."));
}

void ThirdScreen::exportPlan(ExportWriter save, const FileType &type)
{
    const QString path = CommonDialog1.ShowSave(type);
    if (path.isEmpty())
        return;
    const Outcome outcome = save(path, m_resultModel->plan(), m_workspace.captions);
    m_prompts.ShowMessage(this, outcome.message);
}

} // namespace brevath::ui
