// Margins and the exact bytes of both exports.

#include <QTemporaryDir>
#include <QTest>

#include "TestWorld.h"
#include "Simulation.h"
#include "HtmlExport.h"
#include "Margins.h"
#include "TextExport.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

ResultTable tableWithExtras(const QList<int> &extras)
{
    ResultTable table;
    for (int i = 0; i < extras.size(); ++i) {
        ResultRow row;
        row[ResultField::Level] = QString::number(i + 1);
        row[ResultField::ExtraSum] = QString::number(extras[i]);
        table.setRow(i, row);
    }
    return table;
}

// A short plan over the fixture catalogue, with spells, a target and a name that needs escaping.
int goldenPlan(Workspace &w)
{
    w.inputs.SDLevel = 194;
    w.inputs.SDStr = w.inputs.SDEnd = w.inputs.SDDex = w.inputs.SDSag = w.inputs.SDInt = 12;
    w.inputs.SDPV = 70;
    w.inputs.SDPM = 50;
    w.inputs.Priority = Sag;
    w.goals.kinds[1] = 65536;
    const PlanRun run = MakePlan(w, rowTexts(w.captions, {QStringLiteral("Spark"), QStringLiteral("14"),
                                                          QStringLiteral("Épée <dorée> & \"fine\""),
                                                          QStringLiteral("Blaze")}));
    return int(run.rows.size());
}

QByteArray golden(const QString &name)
{
    return readBytes(fixturePath(QStringLiteral("../golden/") + name));
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void marginsWorkedExample()
    {
        QCOMPARE(ComputeMargins(tableWithExtras({0, 20, 0}), 3), (std::vector<std::int64_t>{-5, -5, 10}));
        QVERIFY(ComputeMargins(tableWithExtras({}), 0).empty());
    }

    void marginsNeverDecreaseAndLastIsItsBalance()
    {
        const QList<int> extras = {5, 0, 40, 0, 0, 3, 0, 0, 100, 0, 0, 0};
        const std::vector<std::int64_t> margins = ComputeMargins(tableWithExtras(extras), int(extras.size()));
        QVERIFY(std::is_sorted(margins.begin(), margins.end()));
        QCOMPARE(margins.back(), 15 * (extras.size() - 1) - 148);
    }

    void marginsAreExactPastSixteenBits()
    {
        const std::vector<std::int64_t> margins = ComputeMargins(tableWithExtras({30000, 30000, 2147483647}), 3);
        QCOMPARE(margins, (std::vector<std::int64_t>{-2147543617LL, -2147543617LL, -2147543617LL}));
    }

    void textExportGolden()
    {
        Workspace w = fixtureWorld();
        const int n = goldenPlan(w);
        QCOMPARE(n, 6);
        QCOMPARE(*TxtBytes(w.results, n, w.captions), golden(QStringLiteral("plan.txt")));
    }

    void htmlExportGolden()
    {
        Workspace w = fixtureWorld();
        const int n = goldenPlan(w);
        const QByteArray page = *HtmlBytes(w.results, n, w.captions);
        QCOMPARE(page, golden(QStringLiteral("plan.html")));
        QCOMPARE(page.count("\r\n"), 3 + 14 * n);
        QVERIFY(!page.contains("<dor"));
    }

    void emptyListExports()
    {
        const Workspace w = fixtureWorld();
        QCOMPARE(*TxtBytes(w.results, 0, w.captions),
                 QByteArray("Level\tStr\tEnd\tDex\tSag\tInt\tHP\tMP\tPoints\tGoals\tSpell points\tMargin\r\n"));
        const QByteArray page = *HtmlBytes(w.results, 0, w.captions);
        QCOMPARE(page.count("\r\n"), 3);
        QVERIFY(page.startsWith("<HTML><HEAD><TITLE>Plan &lt;&amp;&gt;</TITLE></HEAD><BODY BGCOLOR=#FFFFFF "
                                "text=#000000>\r\n<TABLE BORDER=1 cellpadding=2 cellspacing=0><TR><TD ALIGN=LEFT>"
                                "<B><font face=Verdana size=2>Level</B></font></TD>"));
        QVERIFY(page.endsWith("Margin</B></font></TD></TR>\r\n</TABLE></BODY></HTML>\r\n"));
    }

    void savesReportAndNeverLoseTheOldFile()
    {
        Workspace w = fixtureWorld();
        const int n = goldenPlan(w);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan")); // no extension added
        SaveOutcome outcome = SaveTxt(path, w.results, n, w.captions);
        QCOMPARE(outcome.message, QStringLiteral("Saved to ") + path);
        QVERIFY(outcome.ok);
        QCOMPARE(readBytes(path), golden(QStringLiteral("plan.txt")));
        QVERIFY(SaveHtml(path, w.results, n, w.captions).ok); // replaced without a question
        QCOMPARE(readBytes(path), golden(QStringLiteral("plan.html")));

        outcome = SaveTxt(path, w.results, ResultTable::kRows + 1, w.captions); // beyond the table
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, QStringLiteral("Could not save to ") + path);
        const QString blocked = path + QStringLiteral("/inside.txt");
        QVERIFY(!SaveHtml(blocked, w.results, n, w.captions).ok);
        QVERIFY(!SaveTxt(dir.path(), w.results, n, w.captions).ok);
        QCOMPARE(readBytes(path), golden(QStringLiteral("plan.html")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plan"});
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "test_export.moc"
