// The results screen: the plan from end to end, its layout and its two exports.

#include <QComboBox>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>

#include "UiWorld.h"
#include "TextFile.h"
#include "Controls.h"
#include "ResultListView.h"
#include "ResultTableModel.h"
#include "ResultsLayout.h"
#include "RiseChart.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

QPushButton *button(QWidget &window, const char *name)
{
    return control<QPushButton>(window, QLatin1String(name));
}

// The choice screen with these rows typed in, then its "Prochaine Page".
void runPlan(UiWorld &world, const QStringList &rows)
{
    openChoiceScreen(world);
    for (int i = 0; i < rows.size(); ++i)
        control<QComboBox>(world.second(), ui::ElementName("Choix1", i))->setEditText(rows[i]);
    button(world.second(), "Command2")->click();
}

QStringList lineTexts(const ui::ResultTableModel &lines, int line)
{
    QStringList texts;
    for (int c = 0; c < lines.columnCount(); ++c)
        texts << lines.Field(line, c);
    return texts;
}

QByteArray runPlanner(const QStringList &arguments)
{
    QProcess planner;
    planner.start(QStringLiteral(BREVATH_BIN "/brevath-plan"), arguments);
    if (!planner.waitForFinished(30000) || planner.exitCode() != 0)
        return QByteArray("<planner failed> ") + planner.readAllStandardError();
    return planner.readAllStandardOutput();
}

} // namespace

class ResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Brevath"), QStringLiteral("Brevath")).clear();
    }

    void theLayoutGivesItsWorkedExample()
    {
        const ui::ResultsLayout design = ui::LayOutResults(9585, 7185);
        QCOMPARE(design.ListView1, QRect(50, 50, 9535, 6540));
        QCOMPARE(design.Command2.topLeft(), QPoint(50, 6640));
        QCOMPARE(design.Command3.topLeft(), QPoint(5015, 6640));
        QCOMPARE(design.Command1, QRect(7240, 6640, 2295, 495));
        QVERIFY(design.Chart1.isEmpty());
        QCOMPARE(ui::LayOutResults(9585, 300).ListView1.height(), 0);
        QCOMPARE(ui::LayOutResults(12000, 7185).Command1.left(), 7240 + 12000 - 9585);

        // A shown chart gets its least height at the design size, and all that a taller
        // window adds; the list never loses more than that, nor grows.
        for (const int height : {7185, 9000, 16000}) {
            const ui::ResultsLayout shown = ui::LayOutResults(9585, height, true);
            const ui::ResultsLayout hidden = ui::LayOutResults(9585, height);
            QCOMPARE(shown.ListView1.height() + 50 + shown.Chart1.height(), hidden.ListView1.height());
            QCOMPARE(shown.Chart1.bottom(), hidden.ListView1.bottom());
            QCOMPARE(shown.ListView1.height(), std::min(6540, 6540 + height - 7185 - 1800 - 50));
        }
    }

    void theWindowFollowsTheLayoutAndTheChartIsOneClickAway()
    {
        auto world = startWorld();
        ui::ThirdScreen &third = world->third();
        third.show(); // a hidden window gets its resize events when shown
        QCOMPARE(third.size(), QSize(639, 479));
        QVERIFY(!third.Toggle1->isChecked());
        QVERIFY(!third.Chart1->isVisible());
        QCOMPARE(third.ListView1->geometry(), QRect(3, 3, 636, 436));
        QCOMPARE(button(third, "Command2")->geometry(), ui::PixelRect(50, 6640, 2295, 495));
        QCOMPARE(button(third, "Command3")->geometry(), ui::PixelRect(5015, 6640, 2175, 495));
        QCOMPARE(button(third, "Command1")->geometry(), ui::PixelRect(7240, 6640, 2295, 495));
        QVERIFY(third.Toggle1->text().isEmpty() && !third.Toggle1->icon().isNull());
        QVERIFY(!third.Toggle1->geometry().intersects(button(third, "Command3")->geometry()));

        third.Toggle1->click();
        third.resize(800, 600);
        const ui::ResultsLayout wide = ui::LayOutResults(ui::ToTwips(800), ui::ToTwips(600), true);
        QVERIFY(third.Chart1->isVisible());
        QCOMPARE(third.Chart1->geometry(), ui::PixelRect(wide.Chart1));
        QCOMPARE(third.ListView1->geometry(), ui::PixelRect(wide.ListView1));
        QCOMPARE(third.Toggle1->geometry(), ui::PixelRect(wide.Toggle1));
        QCOMPARE(button(third, "Command1")->geometry(), ui::PixelRect(wide.Command1));
        QCOMPARE(button(third, "Command3")->geometry(), ui::PixelRect(wide.Command3));

        // The next run opens the screen as the player left it.
        QVERIFY(startWorld()->third().Toggle1->isChecked());
        third.Toggle1->click();
        QVERIFY(!third.Chart1->isVisible());
        QCOMPARE(third.ListView1->geometry(), ui::PixelRect(ui::LayOutResults(12000, 9000).ListView1));
        QVERIFY(!startWorld()->third().Toggle1->isChecked());
    }

    void aPlanRunsFromEndToEnd()
    {
        auto world = startWorld();
        runPlan(*world, {"Club", "no such name", "Grey Robe"});
        QVERIFY(world->third().isVisible());
        QVERIFY(!world->second().isVisible());
        const ui::ResultTableModel &lines = *world->third().ListModel1;
        QCOMPARE(world->third().ListView1->model(), &lines);
        QCOMPARE(lines.rowCount(), 199);
        QCOMPARE(lineTexts(lines, 0), QStringList({"1", "12", "12", "12", "12", "12", "70", "50", "", ""}));
        // Club needs Str 20: 5 points at level 2, 3 more at level 3, where it is named.
        QCOMPARE(lines.Field(1, 8), QStringLiteral(" ") + world->captions().entry(68) + QStringLiteral("5"));
        QCOMPARE(lines.Field(2, 1), QStringLiteral("20"));
        QCOMPARE(lines.Field(2, ResultField::Names), QStringLiteral("Club"));
        QCOMPARE(lines.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), world->captions().entry(41));

        // Back, another goal, forward: the list is the current choices' plan.
        button(world->third(), "Command2")->click();
        control<QComboBox>(world->second(), ui::ElementName("Choix1", 0))->setEditText(QStringLiteral("Long Bow"));
        button(world->second(), "Command2")->click();
        QStringList named;
        for (int i = 0; i < lines.rowCount(); ++i)
            named << lines.Field(i, ResultField::Names);
        named.removeAll(QString());
        QCOMPARE(named, QStringList({"Long Bow", "Grey Robe"}));
    }

    void theNamesColumnFillsTheRestOrHoldsItsTexts_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("namesLength"); // of the names on line 150, out of sight
        QTest::newRow("no line") << 0 << 0;
        QTest::newRow("short names") << 199 << 10;
        QTest::newRow("wider than the list") << 199 << 400;
        QTest::newRow("wider than any column") << 199 << 170000;
    }

    void theNamesColumnFillsTheRestOrHoldsItsTexts()
    {
        QFETCH(int, lineCount);
        QFETCH(int, namesLength);
        auto world = startWorld();
        ui::ThirdScreen &third = world->third();
        third.show();
        std::vector<ResultRow> rows(size_t(lineCount), ResultRow{"1", "12", "12", "12", "12", "12", "70", "50"});
        if (lineCount > 150)
            rows[150][ResultField::Names] = QString(namesLength, u'W');
        third.ListModel1->ShowRun(rows, {});
        settle();

        ui::ResultListView *list = third.ListView1;
        int others = 0;
        for (int c = 0; c < kListColumns - 1; ++c)
            others += list->columnWidth(c);
        QCOMPARE(list->columnWidth(0), ui::ToPixels(500));
        QCOMPARE(list->columnWidth(8), ui::ToPixels(1440));
        QFont bold = list->font();
        bold.setBold(true);
        const int needed = QFontMetrics(bold).horizontalAdvance(QString(namesLength, u'W'));
        if (needed < list->viewport()->width() - others) {
            QCOMPARE(list->columnWidth(9), list->viewport()->width() - others);
        } else {
            QVERIFY(list->columnWidth(9) >= std::min(needed, list->header()->maximumSectionSize()));
            QVERIFY(list->columnWidth(9) <= list->header()->maximumSectionSize());
            QVERIFY(list->horizontalScrollBar()->isVisible());
        }
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
        QVERIFY(readBytes(path).startsWith(buttonName == QLatin1String("Command3") ? "Level\t" : "<HTML>"));

        writeBytes(path, "kept");
        world->prompts.QueueFileAnswer(path);
        {
            WritesFail fail;
            save->click();
        }
        QCOMPARE(world->prompts.initialNames.last(), path);
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
        const ui::ResultTableModel &shown = *world->third().ListModel1;
        QCOMPARE(shown.rowCount(), lines.size() - 1);
        for (int i = 0; i < shown.rowCount(); ++i)
            QCOMPARE(lineTexts(shown, i), lines[i + 1].split(u'\t').mid(0, kListColumns));
    }
};

QTEST_MAIN(ResultsTest)
#include "test_ui_results.moc"
