// Margins and the exact bytes of both exports.

#include "TestWorld.h"
#include "HtmlExport.h"
#include "Margins.h"
#include "TextExport.h"

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {

ResultTable tableWithExtras(const QList<int> &extras)
{
    ResultTable table;
    for (int i = 0; i < extras.size(); ++i) {
        ResultRow row;
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
    const PlanRun run =
        MakePlan(w, rowTexts(w.captions, {u"Spark"_s, u"14"_s, u"Épée <dorée> & \"fine\""_s, u"Blaze"_s}));
    return int(run.rows.size());
}

QByteArray golden(const QString &name)
{
    return readBytes(fixturePath(u"../golden/"_s + name));
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void margins()
    {
        QCOMPARE(ComputeMargins(tableWithExtras({0, 20, 0}), 3), (std::vector<std::int64_t>{-5, -5, 10}));
        QVERIFY(ComputeMargins(tableWithExtras({}), 0).empty());
        const QList<int> extras = {5, 0, 40, 0, 0, 3, 0, 0, 100, 0, 0, 0};
        const std::vector<std::int64_t> margins = ComputeMargins(tableWithExtras(extras), int(extras.size()));
        QVERIFY(std::is_sorted(margins.begin(), margins.end()));
        QCOMPARE(margins.back(), 15 * (extras.size() - 1) - 148);
        QCOMPARE(ComputeMargins(tableWithExtras({30000, 30000, 2147483647}), 3),
                 (std::vector<std::int64_t>{-2147543617LL, -2147543617LL, -2147543617LL})); // past 32 bits
    }

    void goldenExportsAndTheirSaves()
    {
        Workspace w = fixtureWorld();
        const int n = goldenPlan(w);
        QCOMPARE(n, 6);
        QCOMPARE(*TxtBytes(w.results, n, w.captions), golden(u"plan.txt"_s));
        QCOMPARE(*HtmlBytes(w.results, n, w.captions), golden(u"plan.html"_s));

        QTemporaryDir dir;
        const QString path = dir.filePath(u"plan"_s); // no extension added
        Outcome outcome = SaveTxt(path, w.results, n, w.captions);
        QCOMPARE(outcome.message, u"Saved to "_s + path);
        QVERIFY(outcome.ok);
        QCOMPARE(readBytes(path), golden(u"plan.txt"_s));
        QVERIFY(SaveHtml(path, w.results, n, w.captions).ok); // replaced without a question
        QCOMPARE(readBytes(path), golden(u"plan.html"_s));
        outcome = SaveTxt(path, w.results, ResultTable::kRows + 1, w.captions); // beyond the table
        QCOMPARE(outcome.message, u"Could not save to "_s + path);
        QVERIFY(SaveTxt(path, w.results, ResultTable::kRows, w.captions).ok); // a full table

        // An empty list: the header alone.
        QCOMPARE(*TxtBytes(w.results, 0, w.captions), golden(u"plan.txt"_s).split('\n').first() + '\n');
        const QByteArray page = golden(u"plan.html"_s);
        QCOMPARE(*HtmlBytes(w.results, 0, w.captions),
                 page.left(page.indexOf("<TR>\r\n")) + "</TABLE></BODY></HTML>\r\n");
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "test_export.moc"
