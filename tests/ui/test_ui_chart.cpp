// The results screen beyond its list: the chart of the rise, the goals explained, the
// lines copied.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <QToolTip>
#include <QValueAxis>

#include "UiWorld.h"
#include "TextFile.h"
#include "CaptionTable.h"
#include "ResultListView.h"
#include "ResultTableModel.h"
#include "RiseChart.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

QPushButton *button(QWidget &window, const char *name)
{
    return control<QPushButton>(window, QLatin1String(name));
}

// The choice screen's rows typed in, the statistic rows given their type, then the plan.
void runPlan(UiWorld &world, const QStringList &rows, const QMap<int, int> &statRows = {})
{
    openChoiceScreen(world);
    for (int i = 0; i < rows.size(); ++i) {
        QComboBox *types = typeList(world, i);
        types->setCurrentIndex(statRows.contains(i) ? types->count() - 6 + statRows[i] : 0);
        entryBox(world, i)->setEditText(rows[i]);
    }
    button(world.second(), "Command2")->click();
}

} // namespace

class ChartTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Brevath"), QStringLiteral("Brevath")).clear();
    }

    void theChartDrawsTheListsLines()
    {
        auto world = startWorld(QStringLiteral("english"));
        openChoiceScreen(*world);
        world->prompts.QueueFileAnswer(QStringLiteral(BREVATH_DATA "/examples/english_bowman.txt"));
        button(world->second(), "Command4")->click();
        button(world->second(), "Command2")->click();
        const ui::ResultTableModel &lines = *world->third().ListModel1;
        ui::RiseChart *rise = world->third().Chart1;
        QVERIFY(lines.rowCount() > 100);
        for (int field = 1; field <= ui::RiseChart::kDrawnFields; ++field) {
            const QList<QPointF> points = rise->FieldSeries(field)->points();
            QCOMPARE(points.size(), lines.rowCount());
            for (int i = 0; i < lines.rowCount(); ++i)
                QCOMPARE(points[i], QPointF(lines.Field(i, 0).toDouble(), lines.Field(i, field).toDouble()));
        }
        // A marker at every level that names goals, and nowhere else; each tells its goals.
        QStringList named, marked;
        for (int i = 0; i < lines.rowCount(); ++i) {
            if (lines.NamesGoals(i))
                named << lines.Field(i, 0) + u' ' + lines.Field(i, ResultField::Names);
        }
        for (const QPointF &marker : rise->GoalMarkers()->points())
            marked << QString::number(marker.x()) + u' ' + rise->GoalsAt(marker.x());
        QCOMPARE(marked, named);

        world->third().Toggle1->click();
        const QPointF marker = rise->GoalMarkers()->points().at(2);
        emit rise->GoalMarkers()->hovered(marker, true);
        QCOMPARE(QToolTip::text(), named.at(2).section(u' ', 1));
        emit rise->GoalMarkers()->hovered(marker, false);
    }

    void theChartSpeaksTheLanguageInForce()
    {
        auto world = startWorld();
        ui::RiseChart *rise = world->third().Chart1;
        for (const char *language : {"testland", "english"}) {
            writeBytes(world->path(QStringLiteral("Brevath.ini")), QByteArray(language) + "\r\n");
            world->program->LoadLanguage();
            const CaptionTable &c = world->captions();
            for (int field = 1; field <= ui::RiseChart::kDrawnFields; ++field)
                QCOMPARE(rise->FieldSeries(field)->name(), c.entry(41 + field));
            QCOMPARE(rise->GoalMarkers()->name(), c.entry(50));
            QCOMPARE(rise->chart()->axes(Qt::Horizontal).constFirst()->titleText(), c.entry(41));
            QStringList titles;
            for (QAbstractAxis *axis : rise->chart()->axes(Qt::Vertical))
                titles << axis->titleText();
            QVERIFY(titles.contains(c.entry(47) + QStringLiteral(" · ") + c.entry(48)));
            QVERIFY(titles.join(u' ').contains(c.entry(44)));
        }
        QCOMPARE(world->captions().entry(48), QStringLiteral("MP"));
    }

    void clickingTheChartSelectsTheLineAndTheLineMarksTheChart()
    {
        auto world = startWorld();
        runPlan(*world, {"Club", "Blaze", "Twin Axe"});
        world->third().Toggle1->click();
        settle();
        ui::ResultListView *list = world->third().ListView1;
        ui::RiseChart *rise = world->third().Chart1;

        const QPointF point = rise->FieldSeries(1)->at(40); // level 41
        const QPointF onChart = rise->chart()->mapToPosition(point, rise->FieldSeries(1));
        QTest::mouseClick(rise->viewport(), Qt::LeftButton, {}, rise->mapFromScene(rise->chart()->mapToScene(onChart)));
        QCOMPARE(list->currentIndex().row(), 40);
        QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("41"));

        list->setCurrentIndex(list->model()->index(9, 0));
        const QList<QPointF> mark = rise->Highlight()->points();
        QCOMPARE(mark.size(), 2);
        QCOMPARE(mark[0].x(), 10.0);
        QCOMPARE(mark[1].x(), 10.0);
        list->setCurrentIndex({});
        QVERIFY(rise->Highlight()->points().isEmpty());
    }

    void goalLinesAreBoldAndTheirTipExplainsEachGoal()
    {
        auto world = startWorld();
        // Blaze waits for its level gate; Club needs Str 20; the Dex target comes on the way.
        runPlan(*world, {"Twin Axe", "Blaze", "Club", "40"}, {{3, Dex}});
        const QAbstractItemModel *lines = world->third().ListView1->model();
        QMap<QString, QString> tips;
        for (int i = 0; i < lines->rowCount(); ++i) {
            const QModelIndex names = lines->index(i, ResultField::Names);
            const bool goals = !names.data().toString().isEmpty();
            QCOMPARE(lines->index(i, 0).data(Qt::FontRole).value<QFont>().bold(), goals);
            QCOMPARE(names.data(Qt::FontRole).value<QFont>().bold(), goals);
            QCOMPARE(names.data(Qt::ToolTipRole).toString().isEmpty(), !goals);
            for (const QString &goal : names.data().toString().split(QStringLiteral(", ")))
                tips[goal] = names.data(Qt::ToolTipRole).toString();
        }
        const CaptionTable &c = world->captions();
        QVERIFY(tips["Blaze"].contains(c.entry(72) + QStringLiteral(" ≥ 30 · ") + c.entry(41) + QStringLiteral(" ≥ 10")));
        QVERIFY(tips["Twin Axe"].contains(c.entry(68) + QStringLiteral(" ≥ 60 · ") + c.entry(69) + QStringLiteral(" ≥ 30")));
        QVERIFY(tips[c.entry(80) + QStringLiteral(" : 40")].contains(c.entry(70) + QStringLiteral(" ≥ 40")));
        // Alone, Club comes before Twin Axe takes the points it needs.
        QVERIFY(tips["Club"].contains(QStringLiteral("#1 → ") + c.entry(41) + QStringLiteral(" 3<")));
    }

    void selectedLinesAreCopiedAsTheTextExportWritesThem()
    {
        auto world = startWorld();
        runPlan(*world, {"Spark", "Club"});
        ui::ResultListView *list = world->third().ListView1;
        const QString path = world->path(QStringLiteral("plan.txt"));
        world->prompts.QueueFileAnswer(path);
        button(world->third(), "Command3")->click();
        const QString exported = DecodeWindows1252(readBytes(path));
        const QStringList lines = exported.split(QStringLiteral("\r\n"));

        const auto select = [&](int line) {
            list->selectionModel()->select(list->model()->index(line, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        select(4);
        select(1);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), lines[2] + QStringLiteral("\r\n") + lines[5] + QStringLiteral("\r\n"));

        list->selectAll();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), exported);

        list->clearSelection();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), exported);
    }
};

QTEST_MAIN(ChartTest)
#include "test_ui_chart.moc"
