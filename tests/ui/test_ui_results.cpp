// The results screen: the plan from end to end, its layout and its two exports.

#include <QComboBox>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

#include "UiWorld.h"
#include "TextFile.h"
#include "TextExport.h"
#include "Controls.h"
#include "ResultsLayout.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

QTreeWidget *resultList(UiWorld &world)
{
    return control<QTreeWidget>(world.third(), QStringLiteral("ListView1"));
}

// The list and its chart share the place the layout gives the list.
QWidget *listAndChart(UiWorld &world)
{
    return control<QWidget>(world.third(), QStringLiteral("Splitter1"));
}

QPushButton *button(QWidget &window, const char *name)
{
    return control<QPushButton>(window, QLatin1String(name));
}

QStringList itemTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int c = 0; c < item->columnCount(); ++c)
        texts << item->text(c);
    return texts;
}

// The choice screen with these rows typed in, then its "Prochaine Page".
void runPlan(UiWorld &world, const QStringList &rows)
{
    openChoiceScreen(world);
    for (int i = 0; i < rows.size(); ++i)
        typeText(world, i, rows[i]);
    button(world.second(), "Command2")->click();
}

int othersWidth(const QTreeWidget *list)
{
    int width = 0;
    for (int c = 0; c + 1 < list->columnCount(); ++c)
        width += list->columnWidth(c);
    return width;
}

QByteArray runPlanner(const QStringList &arguments)
{
    QProcess planner;
    planner.start(QStringLiteral(BREVATH_BIN "/brevath-plan"), arguments);
    if (!planner.waitForFinished(30000) || planner.exitCode() != 0)
        return QByteArray("<planner failed> ") + planner.readAllStandardError();
    return planner.readAllStandardOutput();
}

ui::ResultsLayout layoutAtDesign()
{
    return ui::LayOutResults(ui::kClientWidthTwips, ui::kClientHeightTwips);
}

} // namespace

class ResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void theLayoutGivesItsWorkedExample()
    {
        const ui::ResultsLayout layout = layoutAtDesign();
        QCOMPARE(ui::kClientWidthTwips, 9585);
        QCOMPARE(ui::kClientHeightTwips, 7185);
        QCOMPARE(layout.ListView1, QRect(50, 50, 9535, 6540));
        QCOMPARE(layout.Command2.topLeft(), QPoint(50, 6640));
        QCOMPARE(layout.Command3.topLeft(), QPoint(5015, 6640));
        QCOMPARE(layout.Command1.topLeft(), QPoint(7240, 6640));
        QCOMPARE(layout.Command1.size(), QSize(2295, 495));

        const ui::ResultsLayout tiny = ui::LayOutResults(9585, 300);
        QCOMPARE(tiny.ListView1.height(), 0);
    }

    void theWindowFollowsTheLayoutOnEveryResize()
    {
        auto world = startWorld();
        ui::ThirdScreen &third = world->third();
        third.show(); // a hidden window gets its resize events when shown
        third.resize(639, 479);
        QCOMPARE(listAndChart(*world)->geometry(), QRect(3, 3, 636, 436));
        QCOMPARE(button(third, "Command2")->geometry(), ui::PixelRect(50, 6640, 2295, 495));
        QCOMPARE(button(third, "Command3")->geometry(), ui::PixelRect(5015, 6640, 2175, 495));
        QCOMPARE(button(third, "Command1")->geometry(), ui::PixelRect(7240, 6640, 2295, 495));

        third.resize(800, 600);
        const ui::ResultsLayout wide = ui::LayOutResults(ui::ToTwips(800), ui::ToTwips(600));
        QCOMPARE(wide.Command2.topLeft(), QPoint(50, 9000 - 100 - 495 + 50));
        QCOMPARE(wide.Command1.left() - layoutAtDesign().Command1.left(), ui::ToTwips(800 - 639));
        QCOMPARE(wide.Command3.right() + 1 + 50, wide.Command1.left());
        QCOMPARE(listAndChart(*world)->geometry(), ui::PixelRect(wide.ListView1));
        QCOMPARE(button(third, "Command1")->geometry(), ui::PixelRect(wide.Command1));
        QCOMPARE(button(third, "Command2")->geometry(), ui::PixelRect(wide.Command2));
        QCOMPARE(button(third, "Command3")->geometry(), ui::PixelRect(wide.Command3));
    }

    void aPlanRunsFromEndToEnd()
    {
        auto world = startWorld();
        runPlan(*world, {"Club", "no such name", "Grey Robe"});
        QVERIFY(world->third().isVisible());
        QVERIFY(!world->second().isVisible());
        QTreeWidget *list = resultList(*world);
        QCOMPARE(list->topLevelItemCount(), 199);
        const CaptionTable &c = world->captions();
        QCOMPARE(itemTexts(list->topLevelItem(0)), QStringList({"1", "12", "12", "12", "12", "12", "70", "50", "", ""}));
        // Club needs Str 20: 5 points at level 2, 3 more at level 3, where it is named.
        QCOMPARE(list->topLevelItem(1)->text(8), QStringLiteral(" ") + c.entry(68) + QStringLiteral("5"));
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("20"));
        QCOMPARE(list->topLevelItem(2)->text(9), QStringLiteral("Club"));
        QCOMPARE(list->topLevelItem(198)->text(0), QStringLiteral("199"));
        QCOMPARE(list->headerItem()->text(0), c.entry(41));

        // The names column takes what the others leave.
        settle();
        QCOMPARE(list->columnWidth(9), list->viewport()->width() - othersWidth(list));
        QCOMPARE(list->columnWidth(0), ui::ToPixels(500));
        QCOMPARE(list->columnWidth(7), ui::ToPixels(750));
        QCOMPARE(list->columnWidth(8), ui::ToPixels(1440));
    }

    void noChoiceGivesAnEmptyListThatStillFillsItsWidth()
    {
        auto world = startWorld();
        runPlan(*world, {});
        settle();
        QTreeWidget *list = resultList(*world);
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(list->columnWidth(9), list->viewport()->width() - othersWidth(list));
    }

    void goingBackAndForwardPlansTheCurrentChoices()
    {
        auto world = startWorld();
        runPlan(*world, {"Club"});
        button(world->third(), "Command2")->click();
        typeText(*world, 0, QStringLiteral("Long Bow"));
        button(world->second(), "Command2")->click();
        QTreeWidget *list = resultList(*world);
        QStringList named;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (!list->topLevelItem(i)->text(9).isEmpty())
                named << list->topLevelItem(i)->text(9);
        }
        QCOMPARE(named, QStringList{"Long Bow"});
    }

    void exportsReportTheirOutcome_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::newRow("text") << "Command3";
        QTest::newRow("html") << "Command1";
    }

    void exportsReportTheirOutcome()
    {
        QFETCH(QString, buttonName);
        auto world = startWorld();
        runPlan(*world, {"Spark"});
        QPushButton *save = button(world->third(), buttonName.toLatin1().constData());
        const CaptionTable &c = world->captions();

        save->click(); // cancelled: nothing written, nothing said
        QVERIFY(world->prompts.messages.isEmpty());

        const QString path = world->path(QStringLiteral("plan"));
        world->prompts.QueueFileAnswer(path);
        save->click();
        QCOMPARE(world->prompts.messages, QStringList{c.entry(65) + u' ' + path});
        const QByteArray written = readBytes(path);
        QVERIFY(written.startsWith(buttonName == QLatin1String("Command3") ? "Level\t" : "<HTML>"));

        world->prompts.QueueFileAnswer(world->path(QStringLiteral("english")));
        save->click();
        QCOMPARE(world->prompts.initialNames.last(), path);
        QCOMPARE(world->prompts.messages.last(), c.entry(66) + u' ' + world->path(QStringLiteral("english")));

        writeBytes(path, "kept");
        world->prompts.QueueFileAnswer(path);
        {
            WritesFail fail;
            save->click();
        }
        QCOMPARE(world->prompts.messages.last(), c.entry(66) + u' ' + path);
        QCOMPARE(readBytes(path), QByteArray("kept"));
    }

    void thePlanAndItsExportsMatchTheCommandLinePlanner()
    {
        auto world = startWorld(QStringLiteral("english"));
        const QString example = QStringLiteral(BREVATH_DATA "/examples/english_warrior.txt");
        openChoiceScreen(*world);
        world->prompts.QueueFileAnswer(example);
        button(world->second(), "Command4")->click();
        button(world->second(), "Command2")->click();
        const QString txt = world->path(QStringLiteral("window.txt"));
        const QString html = world->path(QStringLiteral("window.html"));
        world->prompts.QueueFileAnswer(txt);
        button(world->third(), "Command3")->click();
        world->prompts.QueueFileAnswer(html);
        button(world->third(), "Command1")->click();

        const QStringList common = {QStringLiteral("--data-dir"), world->dir.path(), QStringLiteral("--language"),
                                    QStringLiteral("english")};
        const QByteArray plannerTxt = runPlanner(common + QStringList{example});
        QCOMPARE(readBytes(txt), plannerTxt);
        const QString plannerHtml = world->path(QStringLiteral("planner.html"));
        runPlanner(common + QStringList{QStringLiteral("--html"), plannerHtml, example});
        QCOMPARE(readBytes(html), readBytes(plannerHtml));

        // Every line of the list is the planner's line, less the two export-only columns.
        const QStringList lines = DecodeWindows1252(plannerTxt).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QTreeWidget *list = resultList(*world);
        QCOMPARE(list->topLevelItemCount(), lines.size() - 1);
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            QCOMPARE(itemTexts(list->topLevelItem(i)), lines[i + 1].split(u'\t').mid(0, kListColumns));
    }
};

QTEST_MAIN(ResultsTest)
#include "test_ui_results.moc"
