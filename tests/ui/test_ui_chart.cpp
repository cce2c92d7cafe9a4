// The results screen beyond its list: the chart of the rise, the goals explained, the
// lines copied.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QToolTip>
#include <QTreeWidget>
#include <QValueAxis>

#include "UiWorld.h"
#include "TextFile.h"
#include "CaptionTable.h"
#include "Controls.h"
#include "RiseChart.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

QTreeWidget *resultList(UiWorld &world)
{
    return control<QTreeWidget>(world.third(), QStringLiteral("ListView1"));
}

ui::RiseChart *chart(UiWorld &world)
{
    return control<ui::RiseChart>(world.third(), QStringLiteral("Chart1"));
}

QPushButton *button(QWidget &window, const char *name)
{
    return control<QPushButton>(window, QLatin1String(name));
}

// The choice screen's rows typed in, the statistic rows given their type, then the plan.
void runPlan(UiWorld &world, const QStringList &rows, const QMap<int, int> &statRows = {})
{
    if (!world.second().isVisible())
        openChoiceScreen(world);
    for (int i = 0; i <= ui::SecondScreen::lNMax; ++i) {
        QComboBox *types = typeList(world, i);
        pickType(world, i, statRows.contains(i) ? types->count() - 6 + statRows[i] : 0);
        typeText(world, i, i < rows.size() ? rows[i] : PlaceholderText(world.captions(), i));
    }
    button(world.second(), "Command2")->click();
}

void runExample(UiWorld &world, const QString &example)
{
    openChoiceScreen(world);
    world.prompts.QueueFileAnswer(QStringLiteral(BREVATH_DATA "/examples/") + example);
    button(world.second(), "Command4")->click();
    button(world.second(), "Command2")->click();
}

// The line that names this goal, or -1.
int namingLine(QTreeWidget *list, const QString &goal)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(ResultField::Names).split(QStringLiteral(", ")).contains(goal))
            return i;
    }
    return -1;
}

// The level a plan of this goal alone names it at, read off the results screen.
QString levelAlone(UiWorld &world, const QString &goal, const QMap<int, int> &statRows = {})
{
    button(world.third(), "Command2")->click();
    runPlan(world, {goal}, statRows);
    QTreeWidget *list = resultList(world);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (!list->topLevelItem(i)->text(ResultField::Names).isEmpty())
            return list->topLevelItem(i)->text(ResultField::Level);
    }
    return QStringLiteral("—");
}

} // namespace

class ChartTest : public QObject
{
    Q_OBJECT

private slots:
    void theChartDrawsTheResultRows()
    {
        auto world = startWorld(QStringLiteral("english"));
        runExample(*world, QStringLiteral("english_bowman.txt"));
        QTreeWidget *list = resultList(*world);
        ui::RiseChart *rise = chart(*world);
        QVERIFY(list->topLevelItemCount() > 100);
        for (int field = 1; field <= ui::RiseChart::kDrawnFields; ++field) {
            const QList<QPointF> points = rise->FieldSeries(field)->points();
            QCOMPARE(points.size(), list->topLevelItemCount());
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *line = list->topLevelItem(i);
                QCOMPARE(points[i], QPointF(line->text(0).toDouble(), line->text(field).toDouble()));
            }
        }
        // A marker at every level that names goals, and nowhere else; each tells its goals.
        QStringList named, marked;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *line = list->topLevelItem(i);
            if (!line->text(ResultField::Names).isEmpty())
                named << line->text(0) + u' ' + line->text(ResultField::Names);
        }
        for (const QPointF &marker : rise->GoalMarkers()->points())
            marked << QString::number(marker.x()) + u' ' + rise->GoalsAt(marker.x());
        QCOMPARE(marked, named);

        rise->show();
        const QPointF marker = rise->GoalMarkers()->points().at(2);
        emit rise->GoalMarkers()->hovered(marker, true);
        QCOMPARE(QToolTip::text(), named.at(2).section(u' ', 1));
        emit rise->GoalMarkers()->hovered(marker, false);
    }

    void theChartSpeaksTheLanguageInForce()
    {
        auto world = startWorld();
        ui::RiseChart *rise = chart(*world);
        const auto check = [&](const CaptionTable &c) {
            for (int field = 1; field <= ui::RiseChart::kDrawnFields; ++field)
                QCOMPARE(rise->FieldSeries(field)->name(), c.entry(41 + field));
            QCOMPARE(rise->GoalMarkers()->name(), c.entry(50));
            const QList<QAbstractAxis *> bottom = rise->chart()->axes(Qt::Horizontal);
            QCOMPARE(bottom.size(), 1);
            QCOMPARE(bottom.first()->titleText(), c.entry(41));
            QStringList titles;
            for (QAbstractAxis *axis : rise->chart()->axes(Qt::Vertical))
                titles << axis->titleText();
            QVERIFY(titles.contains(c.entry(47) + QStringLiteral(" · ") + c.entry(48)));
            QVERIFY(titles.join(u' ').contains(c.entry(44)));
        };
        check(world->captions());
        writeBytes(world->path(QStringLiteral("Brevath.ini")), "english\r\n");
        world->program->LoadLanguage();
        QCOMPARE(world->captions().entry(48), QStringLiteral("MP"));
        check(world->captions());
    }

    void clickingTheChartSelectsTheLineAndTheLineMarksTheChart()
    {
        auto world = startWorld();
        runPlan(*world, {"Club", "Blaze", "Twin Axe"});
        world->third().show();
        settle();
        QTreeWidget *list = resultList(*world);
        ui::RiseChart *rise = chart(*world);

        const QPointF point = rise->FieldSeries(1)->at(40); // level 41
        const QPointF onChart = rise->chart()->mapToPosition(point, rise->FieldSeries(1));
        QTest::mouseClick(rise->viewport(), Qt::LeftButton, {}, rise->mapFromScene(rise->chart()->mapToScene(onChart)));
        QCOMPARE(list->currentItem(), list->topLevelItem(40));
        QCOMPARE(list->currentItem()->text(0), QStringLiteral("41"));

        list->setCurrentItem(list->topLevelItem(9));
        const QList<QPointF> mark = rise->Highlight()->points();
        QCOMPARE(mark.size(), 2);
        QCOMPARE(mark[0].x(), 10.0);
        QCOMPARE(mark[1].x(), 10.0);
        list->setCurrentItem(nullptr);
        QVERIFY(rise->Highlight()->points().isEmpty());
    }

    void theChartCanBeShutAndTheListKeepsItsPlace()
    {
        auto world = startWorld();
        runPlan(*world, {"Club"});
        auto *splitter = control<QSplitter>(world->third(), QStringLiteral("Splitter1"));
        QCOMPARE(splitter->widget(0), resultList(*world));
        QCOMPARE(splitter->widget(1), chart(*world));
        QVERIFY(splitter->sizes().at(1) > 0);
        QVERIFY(!splitter->isCollapsible(0));
        QVERIFY(splitter->isCollapsible(1));
        const int total = splitter->sizes().at(0) + splitter->sizes().at(1);
        splitter->setSizes({total, 0});
        QCOMPARE(splitter->sizes(), QList<int>({total, 0}));
        world->third().resize(800, 600);
        QCOMPARE(splitter->sizes().at(1), 0);
        // Only the bar to drag it open again is left of the chart.
        QCOMPARE(resultList(*world)->height() + splitter->handleWidth(), splitter->height());
    }

    void goalLinesAreBoldAndTheirTipExplainsEachGoal()
    {
        auto world = startWorld();
        // Blaze waits for its level gate; Club needs Str 20; the Dex target comes on the way.
        runPlan(*world, {"Twin Axe", "Blaze", "Club", "40"}, {{3, Dex}});
        QTreeWidget *list = resultList(*world);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *line = list->topLevelItem(i);
            const bool names = !line->text(ResultField::Names).isEmpty();
            QCOMPARE(line->font(0).bold(), names);
            QCOMPARE(line->font(ResultField::Names).bold(), names);
            QCOMPARE(line->toolTip(ResultField::Names).isEmpty(), !names);
        }
        const auto tipOf = [&](const QString &goal) {
            const int line = namingLine(list, goal);
            return line >= 0 ? list->topLevelItem(line)->toolTip(ResultField::Names) : QString();
        };
        const CaptionTable &c = world->captions();
        const QString blaze = tipOf(QStringLiteral("Blaze"));
        QVERIFY2(blaze.contains(c.entry(72) + QStringLiteral(" ≥ 30 · ") + c.entry(41) + QStringLiteral(" ≥ 10")),
                 qPrintable(blaze));
        QVERIFY(tipOf(QStringLiteral("Twin Axe"))
                    .contains(c.entry(68) + QStringLiteral(" ≥ 60 · ") + c.entry(69) + QStringLiteral(" ≥ 30")));
        const QString dexGoal = c.entry(80) + QStringLiteral(" : 40");
        QVERIFY(tipOf(dexGoal).contains(c.entry(70) + QStringLiteral(" ≥ 40")));

        // Each goal's level alone is the level a plan of that goal alone names it at.
        const QMap<QString, QString> tips = {
            {"Twin Axe", tipOf("Twin Axe")}, {"Blaze", blaze}, {"Club", tipOf("Club")}, {"40", tipOf(dexGoal)}};
        for (auto tip = tips.begin(); tip != tips.end(); ++tip) {
            const QMap<int, int> statRows = tip.key() == u"40" ? QMap<int, int>{{0, Dex}} : QMap<int, int>{};
            const QString alone = QStringLiteral("#1 → ") + c.entry(41) + u' ' + levelAlone(*world, tip.key(), statRows);
            QVERIFY2(tip.value().contains(alone + u'<'), qPrintable(tip.value() + QStringLiteral(" / ") + alone));
        }
        // Alone, Club comes before Twin Axe takes the points it needs.
        QVERIFY(tips["Club"].contains(QStringLiteral("#1 → ") + c.entry(41) + QStringLiteral(" 3<")));
    }

    void selectedLinesAreCopiedAsTheTextExportWritesThem()
    {
        auto world = startWorld();
        runPlan(*world, {"Spark", "Club"});
        QTreeWidget *list = resultList(*world);
        const QString path = world->path(QStringLiteral("plan.txt"));
        world->prompts.QueueFileAnswer(path);
        button(world->third(), "Command3")->click();
        const QStringList exported = DecodeWindows1252(readBytes(path)).split(QStringLiteral("\r\n"));

        list->topLevelItem(4)->setSelected(true);
        list->topLevelItem(1)->setSelected(true);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), exported[2] + QStringLiteral("\r\n") + exported[5]
                                                           + QStringLiteral("\r\n"));

        list->selectAll();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), DecodeWindows1252(readBytes(path)));

        list->clearSelection();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), DecodeWindows1252(readBytes(path)));
    }
};

QTEST_MAIN(ChartTest)
#include "test_ui_chart.moc"
