// The results screen: the plan from end to end, its layout, its two exports, the chart of
// the rise, the goals explained and the lines copied.

#include <QHeaderView>
#include <functional>
#include <QLineSeries>
#include <QMenu>
#include <QProcess>
#include <QScatterSeries>
#include <QScrollBar>
#include <tuple>
#include <QStandardPaths>
#include <QToolButton>
#include <QToolTip>
#include <sys/stat.h>

#include "UiWorld.h"
#include "ShareCode.h"
#include "ComparisonModel.h"
#include "TextExport.h"
#include "ResultListView.h"
#include "ResultsLayout.h"
#include "Notice.h"
#include "ToolsButton.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

// The choice screen's rows typed in, the statistic rows given their type, then the plan.
void runPlan(UiWorld &world, const QStringList &rows, const QMap<int, int> &statRows = {})
{
    openChoiceScreen(world);
    for (int i = 0; i < rows.size(); ++i) {
        QComboBox *types = typeList(world, i);
        pickType(world, i, statRows.contains(i) ? types->count() - 6 + statRows[i] : 0);
        typeText(world, i, rows[i]);
    }
    clickButton(world.second(), "Command2");
}

QByteArray runPlanner(const QStringList &arguments)
{
    QProcess planner;
    planner.start(QStringLiteral(BREVATH_BIN "/brevath-plan"), arguments);
    if (!planner.waitForFinished(30000) || planner.exitCode() != 0)
        return QByteArray("<planner failed> ") + planner.readAllStandardError();
    return planner.readAllStandardOutput();
}

// Column c of line i as the list shows it.
QString cell(const QAbstractItemModel &lines, int i, int c)
{
    return lines.index(i, c).data().toString();
}

// Level and names of each line that names goals.
QStringList namedLines(const ui::ResultTableModel &lines)
{
    QStringList named;
    for (int i = 0; i < lines.rowCount(); ++i)
        if (lines.NamesGoals(i))
            named << cell(lines, i, 0) + u' ' + cell(lines, i, PlanColumn::Names);
    return named;
}

} // namespace

class ResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theLayoutGivesItsWorkedExampleAndTheWindowFollowsIt()
    {
        const ui::ResultsLayout design = ui::LayOutResults(9585, 7185);
        QCOMPARE(design.ListView1, QRect(50, 50, 9535, 6540));
        QVERIFY(design.Command2.topLeft() == QPoint(50, 6640) && design.Command3.topLeft() == QPoint(5015, 6640));
        QCOMPARE(design.Command1, QRect(7240, 6640, 2295, 495));
        QVERIFY(design.chart.isEmpty());
        QCOMPARE(ui::LayOutResults(9585, 300).ListView1.height(), 0);
        QCOMPARE(ui::LayOutResults(12000, 7185).Command1.left(), 7240 + 12000 - 9585);

        // A shown chart gets its least height at the design size, and all that a taller
        // window adds; the list never loses more than that, nor grows.
        for (const int height : {7185, 9000, 16000}) {
            const ui::ResultsLayout shown = ui::LayOutResults(9585, height, true);
            const ui::ResultsLayout hidden = ui::LayOutResults(9585, height);
            QCOMPARE(shown.ListView1.height() + 50 + shown.chart.height(), hidden.ListView1.height());
            QCOMPARE(shown.chart.bottom(), hidden.ListView1.bottom());
            QCOMPARE(shown.ListView1.height(), std::min(6540, 6540 + height - 7185 - ui::kChartMinimumHeight - 50));
        }
        // A comparison shares the list's room likewise; its close button sits in the row's gap,
        // past the tools.
        const ui::ResultsLayout comparing = ui::LayOutResults(9585, 7185, true, true);
        QCOMPARE(comparing.ListView1.height() + 50 + comparing.comparison.height(),
                 6540 - ui::kChartMinimumHeight - 50);
        QCOMPARE(comparing.toolsButton, QRect(2940, 6640, 495, 495));
        QCOMPARE(comparing.closeComparison, QRect(3485, 6640, 1480, 495));

        // The window follows it; the chart is one click away and the next run opens as left.
        auto world = startWorld();
        ui::ThirdScreen &third = world->third();
        third.show(); // a hidden window gets its resize events when shown
        const auto followsLayout = [&](bool chart) {
            QCOMPARE(world->chart().isVisible(), chart);
            const ui::ResultsLayout l =
                ui::LayOutResults(ui::ToTwips(third.width()), ui::ToTwips(third.height()), chart);
            const std::pair<const char *, QRect> places[] = {
                {"ListView1", l.ListView1}, {"Command1", l.Command1},       {"Command2", l.Command2},
                {"Command3", l.Command3},   {"chartToggle", l.chartToggle}, {"toolsButton", l.toolsButton}};
            for (const auto &[name, twips] : places)
                QCOMPARE(control<QWidget>(third, name)->geometry(), ui::PixelRect(twips));
            if (chart)
                QCOMPARE(world->chart().geometry(), ui::PixelRect(l.chart));
        };
        QCOMPARE(third.size(), QSize(639, 479));
        followsLayout(false);

        // The choice is kept beside Brevath.ini; a pipe there is no choice and blocks nothing.
        const auto nextRun = [&] {
            return control<QToolButton>(ui::Program(world->dir.path(), world->prompts).Third(), "chartToggle")
                ->isChecked();
        };
        control<QToolButton>(third, "chartToggle")->click();
        third.resize(800, 600);
        followsLayout(true);
        QVERIFY(nextRun());
        control<QToolButton>(third, "chartToggle")->click();
        followsLayout(false);
        QVERIFY(!nextRun());
        QVERIFY(QFile::remove(world->path(QStringLiteral("Chart.ini")))
                && ::mkfifo(qPrintable(world->path(QStringLiteral("Chart.ini"))), 0600) == 0);
        QVERIFY(!nextRun());
        // The size the player gave it comes back on the next visit, and in the next run.
        third.hide();
        ui::Program next(world->dir.path(), world->prompts);
        next.Third().PlaceAt(next.First());
        QCOMPARE(next.Third().size(), QSize(800, 600));
    }

    // A target that cannot be planned keeps the choice screen; a name the catalogue lacks
    // plans nothing and stays in its row.
    void aPlanRunsFromEndToEndAndComesBackToItsRows()
    {
        auto world = startWorld();
        runPlan(*world, {"70000"}, {{0, End}});
        QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(Caption::CommitFailed)});
        QVERIFY(world->second().isVisible());

        const QStringList rows = {"Club", "no such name", "Grey Robe"};
        pickType(*world, 0, 0);
        chooseType(*world, 2, 15);
        for (int row = 0; row < rows.size(); ++row)
            typeText(*world, row, rows[row]);
        clickButton(world->second(), "Command2");
        QVERIFY(world->third().isVisible() && !world->second().isVisible());
        QCOMPARE(world->results().plan().list.rows.size(), size_t(2));
        QCOMPARE(world->results().rowCount(), 199);
        QCOMPARE(namedLines(world->results()), QStringList({"3 Club", "6 Grey Robe"}));

        // Back, the rows as left, another goal, forward: the list is the current choices' plan,
        // read from its top.
        control<QTreeView>(world->third(), "ListView1")->scrollToBottom();
        clickButton(world->third(), "Command2");
        QCOMPARE(typeList(*world, 2)->currentText(), world->captions().entry(15));
        for (int row = 0; row < rows.size(); ++row)
            QCOMPARE(entryBox(*world, row)->currentText(), rows[row]);
        typeText(*world, 0, "Long Bow");
        clickButton(world->second(), "Command2");
        QCOMPARE(namedLines(world->results()), QStringList({"7 Long Bow", "10 Grey Robe"}));
        QCOMPARE(control<QTreeView>(world->third(), "ListView1")->verticalScrollBar()->value(), 0);
    }

    // The names on line 150, out of sight, from wider than any column down to no line at
    // all: the column narrows again as well as widens.
    void theNamesColumnFillsTheRestOrHoldsItsTexts()
    {
        auto world = startWorld();
        world->third().show();
        const ui::ResultListView *list = control<ui::ResultListView>(world->third(), "ListView1");
        QFont bold = list->font();
        bold.setBold(true);
        const std::pair<int, int> cases[] = {{199, 170000}, {199, 400}, {199, 10}, {0, 0}}; // lines, names length
        for (const auto &[lineCount, namesLength] : cases) {
            Plan plan;
            plan.labels = {QString(namesLength, u'W')};
            plan.lines.resize(size_t(lineCount));
            if (lineCount > 150)
                plan.lines[150].reached = {0};
            world->results().ShowPlan(plan, {});
            settle();
            int others = 0;
            for (int c = 0; c < kListColumns - 1; ++c)
                others += list->columnWidth(c);
            QCOMPARE(others, 6 * ui::ToPixels(500) + 2 * ui::ToPixels(750) + ui::ToPixels(1440));
            const int needed = QFontMetrics(bold).horizontalAdvance(QString(namesLength, u'W'));
            const int widest = list->header()->maximumSectionSize();
            const int width = list->columnWidth(9);
            if (needed < list->viewport()->width() - others)
                QCOMPARE(width, list->viewport()->width() - others);
            else
                QVERIFY(width >= std::min(needed, widest) && width <= widest
                        && list->horizontalScrollBar()->isVisible());
        }
    }

    void exportsReportTheirOutcome()
    {
        auto world = startWorld();
        runPlan(*world, {"Spark"});
        ui::ThirdScreen &third = world->third();
        // A name chosen without a suffix gets its type's.
        const std::tuple<std::function<void()>, const char *, const char *> exports[] = {
            {[&] { clickButton(third, "Command3"); }, "Level\t", ".txt"},
            {[&] { clickButton(third, "Command1"); }, "<HTML>", ".html"},
            {[&] { trigger(third, "savePageAction"); }, "<!DOCTYPE html>", ".html"}};
        for (const auto &[save, start, suffix] : exports) {
            world->prompts.messages.clear();
            save(); // cancelled: nothing written, nothing said
            QVERIFY(world->prompts.messages.isEmpty());

            world->prompts.QueueFileAnswer(world->path("plan"));
            save();
            const QString path = world->path("plan") + QLatin1String(suffix);
            QCOMPARE(world->prompts.messages, QStringList{world->captions().entry(65) + u' ' + path});
            QVERIFY(readBytes(path).startsWith(start));

            writeBytes(path, "kept");
            world->prompts.QueueFileAnswer(path);
            {
                WritesFail fail;
                save();
            }
            QCOMPARE(world->prompts.initialNames.last(), path);
            QCOMPARE(world->prompts.messages.last(), world->captions().entry(66) + u' ' + path);
            QCOMPARE(readBytes(path), QByteArray("kept"));
        }
    }

    void thePlanItsChartItsExportsAndAComparisonMatchTheCommandLinePlanner()
    {
        auto world = startWorld("english");
        copyLanguage(BREVATH_DATA, "french", world->dir.path());
        const QString example = QStringLiteral(BREVATH_DATA "/examples/english_warrior.txt");
        openChoiceScreen(*world);
        world->prompts.QueueFileAnswer(example);
        clickButton(world->second(), "Command4");
        clickButton(world->second(), "Command2");
        const QString txt = world->path("window.txt"), html = world->path("window.html");
        world->prompts.QueueFileAnswer(txt);
        clickButton(world->third(), "Command3");
        world->prompts.QueueFileAnswer(html);
        clickButton(world->third(), "Command1");

        const QStringList common = {"--data-dir", world->dir.path(), "--language", "english"};
        const QByteArray plannerTxt = runPlanner(common + QStringList{example});
        QCOMPARE(readBytes(txt), plannerTxt);
        const QString plannerHtml = world->path("planner.html");
        runPlanner(common + QStringList{"--html", plannerHtml, example});
        QCOMPARE(readBytes(html), readBytes(plannerHtml));

        // Every line of the list is the planner's line, less the two export-only columns, and
        // the chart draws the same lines, a marker at every level that names goals and nowhere
        // else, each telling its goals.
        const QStringList lines = DecodeWindows1252(plannerTxt).split("\r\n", Qt::SkipEmptyParts);
        const ui::ResultTableModel &shown = world->results();
        ui::RiseChart *rise = &world->chart();
        QCOMPARE(shown.rowCount(), lines.size() - 1);
        QCOMPARE(rise->FieldSeries(1)->count(), shown.rowCount());
        for (int i = 0; i < shown.rowCount(); ++i) {
            for (int c = 0; c < kListColumns; ++c)
                QCOMPARE(cell(shown, i, c), lines[i + 1].section(u'\t', c, c));
            const PlanLine &line = shown.plan().lines[size_t(i)];
            for (int field = 1; field <= ui::RiseChart::kDrawnFields; ++field)
                QCOMPARE(rise->FieldSeries(field)->at(i), QPointF(line.level(), ColumnNumber(line, field)));
        }
        const QStringList named = namedLines(shown);
        QStringList marked;
        for (const QPointF &marker : rise->GoalMarkers()->points())
            marked << QString::number(marker.x()) + u' ' + rise->GoalsAt(marker.x());
        QCOMPARE(marked, named);
        control<QToolButton>(world->third(), "chartToggle")->setChecked(true);
        emit rise->GoalMarkers()->hovered(rise->GoalMarkers()->at(2), true);
        QCOMPARE(QToolTip::text(), named.at(2).section(u' ', 1));
        emit rise->GoalMarkers()->hovered(rise->GoalMarkers()->at(2), false);

        const CaptionTable &c = world->captions();
        for (int field = 1; field <= ui::RiseChart::kDrawnFields; ++field)
            QCOMPARE(rise->FieldSeries(field)->name(), c.entry(41 + field));
        QCOMPARE(rise->GoalMarkers()->name(), c.entry(50));

        // A second plan beside the one on screen: the table holds what the planner's comparison
        // prints, a refused code changes nothing, the plan's own code compares level for level
        // with it, and closing or a new run gives the normal screen back.
        ui::ThirdScreen &third = world->third();
        const QString other = QStringLiteral(BREVATH_DATA "/examples/french_mage.txt"); // translated on load
        world->prompts.QueueFileAnswer(other);
        trigger(third, "compareFileAction");
        const QWidget *comparison = control<QWidget>(third, "comparison"),
                      *closing = control<QWidget>(third, "closeComparison");
        QVERIFY(third.IsComparing() && comparison->isVisible());

        const QByteArray printed = runPlanner({"--data-dir", world->dir.path(), "--compare", other, example});
        const QStringList planner = QString::fromUtf8(printed).split(u'\n', Qt::SkipEmptyParts);
        const QAbstractItemModel &table = *control<QAbstractItemModel>(third, "comparisonModel");
        const auto cells = [&] {
            QStringList rows;
            for (int r = -1; r < table.rowCount(); ++r) {
                QStringList row;
                for (int col = 0; col < ui::ComparisonModel::ColumnCount; ++col)
                    row << (r < 0 ? table.headerData(col, Qt::Horizontal).toString()
                                  : table.index(r, col).data().toString());
                rows << row.join(u'\t');
            }
            return rows;
        };
        const QStringList compared = cells();
        QCOMPARE(compared.mid(1), planner.mid(1));
        QCOMPARE(compared[0].section(u'\t', 2), planner[0].section(u'\t', 2)); // the first plan has no file name here

        // A code with a sheet of its own, pasted on the choice screen, brings it along in one
        // step to undo: its plan is the planner's for that code, byte for byte, compares level
        // for level with the code's own plan, and copies as the same code. A damaged one changes nothing.
        const QString code = QString::fromLatin1(
            runPlanner(common
                       + QStringList{"--share", "--level=50", "--str=100", BREVATH_DATA "/examples/english_bowman.txt"})
                .trimmed());
        QString damaged = code;
        damaged[code.size() / 2] = damaged[code.size() / 2] == u'A' ? u'B' : u'A';
        QGuiApplication::clipboard()->setText(damaged);
        trigger(third, "compareCodeAction");
        QVERIFY(world->prompts.messages.last().endsWith(DecodeShareCode(damaged).message));
        QCOMPARE(cells(), compared);
        QGuiApplication::clipboard()->setText(code);
        trigger(third, "compareCodeAction"); // on the code's own sheet, not this one
        const QList<QPointF> codeRise = rise->SecondFieldSeries(3)->points();

        clickButton(third, "Command2");
        const auto before = world->session().goals.texts;
        const SheetTexts sheetBefore = world->first().SheetBoxTexts();
        const auto levelShown = [&] { return control<QLabel>(world->second(), "level_0")->text(); };
        const QString levelBefore = levelShown();
        trigger(world->second(), "pasteAction");
        QCOMPARE_NE(levelShown(), levelBefore);
        clickButton(world->second(), "Command2");
        QCOMPARE(TxtBytes(world->results().plan(), c), runPlanner(common + QStringList{"--code", code}));
        trigger(third, "compareCodeAction");
        for (int r = 0; r < table.rowCount(); ++r)
            QCOMPARE(table.index(r, ui::ComparisonModel::Difference).data().toString(), "0");
        QVERIFY(rise->SecondFieldSeries(3)->points() == codeRise && rise->FieldSeries(3)->points() == codeRise);
        trigger(third, "copyCodeAction");
        QCOMPARE(QGuiApplication::clipboard()->text(), code);
        // Undone and redone whole: the sheet and the level it gives too.
        trigger(world->second(), "undoAction");
        QCOMPARE(world->session().goals.texts, before);
        QCOMPARE(world->first().SheetBoxTexts(), sheetBefore);
        QCOMPARE(levelShown(), levelBefore);
        trigger(world->second(), "redoAction");
        QCOMPARE(world->first().SheetBoxTexts()[0], "50");
        trigger(world->second(), "undoAction");

        clickButton(third, "closeComparison");
        QVERIFY(!third.IsComparing() && !comparison->isVisible() && !closing->isVisible());
        QVERIFY(rise->SecondFieldSeries(3)->points().isEmpty());

        trigger(third, "compareCodeAction");
        clickButton(third, "Command2");
        clickButton(world->second(), "Command2");
        QVERIFY(!third.IsComparing() && table.rowCount() == 0);
    }

    // Goal lines stand out and explain their goals; the chart and the list point at each
    // other's lines; Ctrl+C copies the selected lines as the text export has them.
    void theLinesExplainFollowTheChartAndCopy()
    {
        auto world = startWorld();
        // Blaze waits for its level gate; Club needs Str 20; the Dex target comes on the way.
        runPlan(*world, {"Twin Axe", "Blaze", "Club", "40"}, {{3, Dex}});
        ui::ResultListView *list = control<ui::ResultListView>(world->third(), "ListView1");
        const QAbstractItemModel *lines = list->model();
        QMap<QString, QString> tips;
        for (int i = 0; i < lines->rowCount(); ++i) {
            const QModelIndex names = lines->index(i, PlanColumn::Names);
            const bool goals = !names.data().toString().isEmpty();
            QCOMPARE(lines->index(i, 0).data(Qt::FontRole).value<QFont>().bold(), goals);
            QCOMPARE(names.data(Qt::FontRole).value<QFont>().bold(), goals);
            QCOMPARE(names.data(Qt::ToolTipRole).toString().isEmpty(), !goals);
            for (const QString &goal : names.data().toString().split(", "))
                tips[goal] = names.data(Qt::ToolTipRole).toString();
        }
        const CaptionTable &c = world->captions();
        QVERIFY(tips["Blaze"].contains(c.entry(72) + " ≥ 30 · " + c.entry(41) + " ≥ 10"));
        QVERIFY(tips["Twin Axe"].contains(c.entry(68) + " ≥ 60 · " + c.entry(69) + " ≥ 30"));
        QVERIFY(tips[c.entry(80) + " : 40"].contains(c.entry(70) + " ≥ 40"));
        // Alone, Club comes before Twin Axe takes the points it needs.
        QVERIFY(tips["Club"].contains("As the first goal: reached at level 3."));

        control<QToolButton>(world->third(), "chartToggle")->setChecked(true);
        settle();
        ui::RiseChart *rise = &world->chart();
        const QPointF onChart = rise->chart()->mapToPosition(rise->FieldSeries(1)->at(40), rise->FieldSeries(1));
        QTest::mouseClick(rise->viewport(), Qt::LeftButton, {}, rise->mapFromScene(rise->chart()->mapToScene(onChart)));
        QCOMPARE(list->currentIndex().row(), 40);
        list->setCurrentIndex(lines->index(9, 0));
        const QList<QPointF> mark = rise->Highlight()->points();
        QVERIFY(mark.size() == 2 && mark[0].x() == 10.0 && mark[1].x() == 10.0);
        list->setCurrentIndex({});
        QVERIFY(rise->Highlight()->points().isEmpty());

        const QString exported = DecodeWindows1252(TxtBytes(world->results().plan(), c));
        const QStringList exportedLines = exported.split("\r\n");
        const auto copied = [&] {
            QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->text();
        };
        list->clearSelection();
        for (const int line : {4, 1})
            list->selectionModel()->select(lines->index(line, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(copied(), exportedLines[2] + "\r\n" + exportedLines[5] + "\r\n");
        list->selectAll();
        QCOMPARE(copied(), exported);
        QVERIFY(control<QWidget>(world->third(), "notice")->isVisible()); // a copy is told
        list->clearSelection();
        QCOMPARE(copied(), exported); // nothing selected: the clipboard keeps what it had
    }

    // Nothing beyond the page buttons hides behind a key: every action with one is in a menu in
    // sight, which shows it.
    void everyFeatureHasAControlInSight()
    {
        auto world = startWorld();
        const QWidget *library = control<QWidget>(world->first(), "libraryButton");
        QVERIFY(library->isVisible() && library->toolTip().contains("Ctrl+L"));
        runPlan(*world, {"Spark"});
        world->second().show();
        const std::pair<QWidget *, QWidget *> screens[] = {
            {&world->second(), &world->second()}, {&world->third(), control<QWidget>(world->third(), "ListView1")}};
        for (const auto &[screen, holder] : screens) {
            const auto *tools = screen->findChild<ui::ToolsButton *>("toolsButton");
            QVERIFY(tools && tools->isVisible());
            for (QAction *action : holder->actions()) {
                if (!action->shortcut().isEmpty())
                    QVERIFY2(tools->menu()->actions().contains(action), qPrintable(action->text()));
            }
        }
    }
};

QTEST_MAIN(ResultsTest)
#include "test_ui_results.moc"
