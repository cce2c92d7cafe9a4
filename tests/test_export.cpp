// Margins, the exact bytes of both exports, and the page of today.

#include "TestWorld.h"
#include "HtmlExport.h"
#include "Margins.h"
#include "PlanPage.h"
#include "TextExport.h"

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {

std::vector<std::int64_t> marginsOf(const QList<int> &extras)
{
    std::vector<PlanLine> lines(size_t(extras.size()));
    for (size_t i = 0; i < lines.size(); ++i)
        lines[i].extraSum = extras[qsizetype(i)];
    return ComputeMargins(lines);
}

// A short plan over the fixture catalogue, with spells, a target and a name that needs escaping.
Plan goldenPlan(Workspace &w)
{
    w.inputs.SDLevel = 194;
    w.inputs.SDStr = w.inputs.SDEnd = w.inputs.SDDex = w.inputs.SDSag = w.inputs.SDInt = 12;
    w.inputs.SDPV = 70;
    w.inputs.SDPM = 50;
    w.inputs.Priority = Sag;
    w.goals.kinds[1] = 65536;
    return *PlanOf(w, rowTexts(w.captions, {u"Spark"_s, u"14"_s, u"Épée <dorée> & \"fine\""_s, u"Blaze"_s}));
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
        QCOMPARE(marginsOf({0, 20, 0}), (std::vector<std::int64_t>{-5, -5, 10}));
        QVERIFY(marginsOf({}).empty());
        const QList<int> extras = {5, 0, 40, 0, 0, 3, 0, 0, 100, 0, 0, 0};
        const std::vector<std::int64_t> many = marginsOf(extras);
        QVERIFY(std::is_sorted(many.begin(), many.end()));
        QCOMPARE(many.back(), 15 * (extras.size() - 1) - 148);
        QCOMPARE(marginsOf({30000, 30000, 2147483647}),
                 (std::vector<std::int64_t>{-2147543617LL, -2147543617LL, -2147543617LL})); // past 32 bits
    }

    // Their saves are the hostile cases'.
    void goldenExports()
    {
        Workspace w = fixtureWorld();
        const Plan plan = goldenPlan(w);
        QCOMPARE(plan.lines.size(), 6);
        QCOMPARE(TxtBytes(plan, w.captions), golden(u"plan.txt"_s));
        QCOMPARE(HtmlBytes(plan, w.captions), golden(u"plan.html"_s));

        // An empty list: the header alone.
        QCOMPARE(TxtBytes(Plan(), w.captions), golden(u"plan.txt"_s).split('\n').first() + '\n');
        const QByteArray page = golden(u"plan.html"_s);
        QCOMPARE(HtmlBytes(Plan(), w.captions), page.left(page.indexOf("<TR>\r\n")) + "</TABLE></BODY></HTML>\r\n");
    }

    // Whether the page is valid HTML is the validator's to say (scripts/check_pages); here,
    // that it holds the plan: every text escaped, each goal at its level, a row per level.
    void planPage()
    {
        Workspace w = fixtureWorld();
        w.inputs.mstr = 40;
        Plan plan = goldenPlan(w);
        plan.reachedAt[1] = kNeverReached;
        const QString page =
            QString::fromUtf8(PlanPageBytes({w.inputs, plan, w.captions, u"fr"_s, u"brevath1:<code>"_s}));
        QVERIFY(page.startsWith(u"<!DOCTYPE html>\n<html lang=\"fr\">"));
        QVERIFY(page.contains(u"Épée &lt;dorée&gt; &amp; &quot;fine&quot;") && !page.contains(u"<dorée>"));
        QVERIFY(page.contains(u"<td class=\"n\">40</td>"));
        for (size_t goal = 0; goal < plan.labels.size(); ++goal) {
            const std::optional<int> at = plan.reachedLevel(goal);
            const QString level = at ? QString::number(*at) : u"never"_s;
            QVERIFY2(page.contains(u"<th scope=\"row\">%1</th><td class=\"n\">%2</td>"_s.arg(
                         plan.labels[goal].toHtmlEscaped(), level)),
                     qPrintable(plan.labels[goal]));
        }
        QCOMPARE(page.count(u"</tr>"), 1 + 9 + 1 + qsizetype(plan.labels.size()) + 1 + qsizetype(plan.lines.size()));
        QCOMPARE(page.count(u"<polyline"), kStatCount);
        QVERIFY(!QString::fromUtf8(PlanPageBytes({w.inputs, Plan(), w.captions, u"en"_s, {}})).contains(u"<svg"));
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "test_export.moc"
