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

    ListModel1 = new ResultTableModel(m_workspace.captions, this);
    ListView1 = MakeControl<ResultListView>(this, QStringLiteral("ListView1"), 120, 120, 9255, 6135);
    ListView1->setModel(ListModel1);
    Chart1 = MakeControl<RiseChart>(this, QStringLiteral("Chart1"), 120, 6255, 9255, 0);
    Chart1->SetModel(ListModel1);
    connect(Chart1, &RiseChart::lineClicked, ListView1, &ResultListView::SelectLine);
    connect(ListView1, &ResultListView::currentLineChanged, Chart1, &RiseChart::HighlightLine);
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
    Toggle1 = MakeControl<QToolButton>(this, QStringLiteral("Toggle1"), 2395, 6480, kResultsButtonHeight,
                                       kResultsButtonHeight);
    Toggle1->setCheckable(true);
    Toggle1->setIcon(RiseChart::Icon());
    Toggle1->setIconSize(QSize(ToPixels(kResultsButtonHeight) - 10, ToPixels(kResultsButtonHeight) - 10));
    Chart1->setVisible(false);
    connect(Toggle1, &QToolButton::toggled, this, &ThirdScreen::showChart);

    ComparisonModel1 = new ComparisonModel(this);
    Comparison1 = MakeControl<QTreeView>(this, QStringLiteral("Comparison1"), 120, 6255, 9255, 0);
    Comparison1->setRootIsDecorated(false);
    Comparison1->setUniformRowHeights(true);
    Comparison1->setModel(ComparisonModel1);
    // At most a few hundred goals: every column can afford its whole header and texts.
    Comparison1->header()->setStretchLastSection(false);
    Comparison1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Comparison1->hide();
    CloseComparison1 = MakeControl<QPushButton>(this, QStringLiteral("CloseComparison1"), 2940, 6480, kBackButtonWidth,
                                                kResultsButtonHeight);
    CloseComparison1->hide();
    connect(CloseComparison1, &QPushButton::clicked, this, &ThirdScreen::closeComparison);

    const auto listAction = [this](const QKeySequence &keys, auto slot) {
        auto *action = new QAction(ListView1);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        ListView1->addAction(action);
        return action;
    };
    ListView1->setContextMenuPolicy(Qt::ActionsContextMenu);
    CompareFileAction = listAction(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] {
        const QString path = CommonDialog1.ShowOpen();
        if (!path.isEmpty())
            CompareWith(PlanSource::File(path));
    });
    // A code travels by the clipboard: whoever shares one copies it, so there is nothing to type.
    CompareCodeAction = listAction(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
                                   [this] { CompareWith(PlanSource::Code(QGuiApplication::clipboard()->text())); });
    CopyCodeAction = listAction(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), [this] { copyShareCode(); });
    SavePageAction = listAction(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { savePage(); });
    CloseComparisonAction = listAction(QKeySequence(), [this] { closeComparison(); });
    CloseComparisonAction->setEnabled(false);
    CopyLinesAction = listAction(QKeySequence(), [this] { copyLines(); });
    Tools1 = new ToolsButton(this,
                             {CopyLinesAction, CopyCodeAction, SavePageAction, nullptr, CompareFileAction,
                              CompareCodeAction, CloseComparisonAction},
                             true);
    Notice1 = new Notice(this, ToPixels(kResultsButtonHeight + 100));
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
    ListModel1->ShowPlan(std::move(*plan), std::move(tips)); // the list sizes its last column on the new lines
    ListView1->scrollToTop(); // a new plan is read from its start
    return true;
}

void ThirdScreen::layOut()
{
    const ResultsLayout layout = LayOutResults(ToTwips(width()), ToTwips(height()), Toggle1->isChecked(), m_comparing);
    ListView1->setGeometry(PixelRect(layout.ListView1));
    Chart1->setGeometry(PixelRect(layout.Chart1));
    Command1->setGeometry(PixelRect(layout.Command1));
    Command2->setGeometry(PixelRect(layout.Command2));
    Command3->setGeometry(PixelRect(layout.Command3));
    Toggle1->setGeometry(PixelRect(layout.Toggle1));
    Tools1->setGeometry(PixelRect(layout.Tools1));
    Comparison1->setGeometry(PixelRect(layout.Comparison1));
    CloseComparison1->setGeometry(PixelRect(layout.CloseComparison1));
    ListView1->SizeLastColumn();
}

void ThirdScreen::showChart(bool shown)
{
    Chart1->setVisible(shown);
    layOut();
    emit chartShownChanged(shown);
}

void ThirdScreen::SetChartShown(bool shown)
{
    const QSignalBlocker quiet(Toggle1);
    Toggle1->setChecked(shown);
    Chart1->setVisible(shown);
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
    CompareFileAction->setText(QCoreApplication::translate("Brevath", "Compare with a choice file…"));
    CompareCodeAction->setText(QCoreApplication::translate("Brevath", "Compare with the copied share code"));
    CopyCodeAction->setText(QCoreApplication::translate("Brevath", "Copy share code"));
    SavePageAction->setText(QCoreApplication::translate("Brevath", "Save as a page to share or print…"));
    CloseComparisonAction->setText(QCoreApplication::translate("Brevath", "Close comparison"));
    // The list takes Ctrl+C itself; the menu only shows it.
    CopyLinesAction->setText(QCoreApplication::translate("Brevath", "Copy the selected lines") + u'\t'
                             + QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
    CloseComparison1->setText(CloseComparisonAction->text());
    const QString chart = QCoreApplication::translate("Brevath", "Chart of the rise");
    Toggle1->setToolTip(chart);
    Toggle1->setAccessibleName(chart);
    Chart1->setAccessibleName(chart);
    Chart1->viewport()->setAccessibleName(chart); // a listener may land on it too
    ListView1->setAccessibleName(QCoreApplication::translate("Brevath", "Result list"));
    Comparison1->setAccessibleName(QCoreApplication::translate("Brevath", "Comparison of the two plans"));
    ComparisonModel1->Retranslate();
}

void ThirdScreen::ApplyCaptions(const CaptionTable &captions)
{
    ApplyTitle(*this, captions.entry(40));
    for (int c = 0; c < kListColumns; ++c)
        ListModel1->setHeaderData(c, Qt::Horizontal, ShownText(captions.entry(Caption::FirstListHeader + c)));
    // The chart draws its titles and legend as rich text: it is handed the captions escaped.
    CaptionTable escaped;
    for (int n = 1; n <= CaptionTable::kEntries; ++n)
        escaped.setEntry(n, ShownText(captions.entry(n)).toHtmlEscaped());
    Chart1->ApplyCaptions(escaped);
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
    ComparisonModel1->ShowComparison(ComparePlans(ListModel1->plan(), *plan), other.name);
    Chart1->ShowSecondPlan(plan->lines, other.name);
    m_comparing = true;
    Comparison1->show();
    CloseComparison1->show();
    CloseComparisonAction->setEnabled(true);
    layOut();
    if (!other.notes.isEmpty())
        m_prompts.ShowMessage(this, other.notes.join(u'\n'));
}

void ThirdScreen::closeComparison()
{
    if (!m_comparing)
        return;
    m_comparing = false;
    Comparison1->hide();
    CloseComparison1->hide();
    CloseComparisonAction->setEnabled(false);
    ComparisonModel1->Clear();
    Chart1->ShowSecondPlan({});
    layOut();
}

QString ThirdScreen::shareCode() const
{
    return EncodeShareCode(
        SharedPlanOf(m_workspace.inputs, m_workspace.filters.states, ListModel1->plan().list, m_workspace.catalogue));
}

void ThirdScreen::copyShareCode()
{
    QGuiApplication::clipboard()->setText(shareCode());
    Notice1->Flash(QCoreApplication::translate("Brevath", "Share code copied."));
}

void ThirdScreen::savePage()
{
    const QString path = CommonDialog1.ShowSave(FileType::Html());
    if (path.isEmpty())
        return;
    const PlanPageInput page{m_workspace.inputs, ListModel1->plan(), m_workspace.captions,
                             LanguageCode(m_workspace.language.language), shareCode()};
    m_prompts.ShowMessage(this, SavePlanPage(path, page).message);
}

void ThirdScreen::copyLines()
{
    const QString text = LinesText(ListView1->SelectedLines(), ListModel1->plan(), m_workspace.captions);
    if (text.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(text);
    Notice1->Flash(QCoreApplication::translate("Brevath", "Lines copied."));
}

void ThirdScreen::exportPlan(ExportWriter save, const FileType &type)
{
    const QString path = CommonDialog1.ShowSave(type);
    if (path.isEmpty())
        return;
    const Outcome outcome = save(path, ListModel1->plan(), m_workspace.captions);
    m_prompts.ShowMessage(this, outcome.message);
}

} // namespace brevath::ui
