// The rise level by level: growth, spending passes, goals named, the result table.

#include <QTest>

#include "TestWorld.h"
#include "Simulation.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

// A catalogue entry appended to the world, for requirements the fixtures do not have.
int addEntry(Workspace &w, const QString &name, std::array<std::int32_t, 6> requirement, std::int32_t extra = 0)
{
    CatalogueEntry entry;
    entry.name = name;
    entry.requirement = requirement;
    entry.extra = extra;
    entry.category = kSpellCategory;
    w.catalogue.append(entry);
    return w.catalogue.count();
}

std::vector<ResultRow> rise(Workspace &w, const QList<ChoiceRow> &rows, RiseStart start = {})
{
    w.choices.rows.assign(rows.begin(), rows.end());
    return SimulateRise(w.choices, w.catalogue, w.captions, start, w.results);
}

ChoiceRow entryRow(int e)
{
    return {e, 0, false};
}
ChoiceRow statRow(int stat, int value)
{
    return {-1, PackStatTarget(stat, value), false};
}

} // namespace

class SimulationTest : public QObject
{
    Q_OBJECT

private slots:
    void growthFunctions()
    {
        QCOMPARE(LifeGain(10), 7);
        QCOMPARE(LifeGain(12), 8);
        QCOMPARE(LifeGain(30), 9);
        QCOMPARE(LifeGain(50), 9);
        QCOMPARE(ManaGain(30, 0), 4);
        QCOMPARE(ManaGain(90, 0), 6);
        QCOMPARE(ManaGain(12, 12), 5);
        QCOMPARE(ManaGain(30, 15), 5);
    }

    void strengthTwentyWithDexPriority()
    {
        Workspace w = fixtureWorld();
        const int str20 = addEntry(w, QStringLiteral("Str 20"), {20, 0, 0, 0, 0, 0});
        const std::vector<ResultRow> rows = rise(w, {entryRow(str20)});
        QCOMPARE(rows.size(), size_t(199));
        QCOMPARE(rows[0], (ResultRow{"1", "12", "12", "12", "12", "12", "70", "50", "", "", "0"}));
        QCOMPARE(rows[1], (ResultRow{"2", "17", "12", "12", "12", "12", "78", "55", " Str5", "", "0"}));
        QCOMPARE(rows[2], (ResultRow{"3", "20", "12", "14", "12", "12", "86", "60", " Str3 Dex2", "Str 20", "0"}));
        // Every goal reached: each later level gives all five points to the priority.
        QCOMPARE(rows[3][ResultField::Points], u" Dex5");
        QCOMPARE(rows[198][ResultField::Level], u"199");
        QCOMPARE(rows[198][ResultField::Points], u" Dex5");
        QCOMPARE(w.results.row(198), rows[198]);
    }

    void gatedRowSlackWorkedExample()
    {
        Workspace w = fixtureWorld();
        const int gated = addEntry(w, QStringLiteral("Gate 10"), {0, 0, 0, 0, 20, 10});
        RiseStart start;
        start.level = 7;
        start.priority = Str;
        const std::vector<ResultRow> rows = rise(w, {entryRow(gated)}, start);
        // Level 8: slack (10 - 8) * 5 - 8 = 2 to the priority, three to the row.
        QCOMPARE(rows[1][ResultField::Points], u" Str2 Int3");
        // Level 9: slack (10 - 9) * 5 - 5 = 0: all five to the row, which waits for its level.
        QCOMPARE(rows[2][ResultField::Points], u" Int5");
        QCOMPARE(rows[2][ResultField::Names], u"");
        QCOMPARE(rows[3][ResultField::Level], u"10");
        QCOMPARE(rows[3][ResultField::Names], u"Gate 10");
    }

    void rowsNamedInListOrderAndStartValuesMetOneLevelLater()
    {
        Workspace w = fixtureWorld();
        const int met = addEntry(w, QStringLiteral("Met"), {10, 0, 0, 0, 0, 0}, 7);
        const int spark = w.catalogue.FindByName(QStringLiteral("Spark")); // gate 7, extra 30
        const std::vector<ResultRow> rows = rise(w, {statRow(Str, 30), entryRow(met), statRow(End, 12)});
        QCOMPARE(rows[0][ResultField::Names], u"");
        QCOMPARE(rows[1][ResultField::Names], u"Met, Endurance : 12");
        QCOMPARE(rows[1][ResultField::ExtraSum], u"7");
        QCOMPARE(rows[1][ResultField::Points], u" Str5");
        QCOMPARE(rows[4][ResultField::Names], u"Strength : 30"); // 12 + 18 points over levels 2 to 5
        QCOMPARE(rows[4][ResultField::ExtraSum], u"0");
        QVERIFY(spark > 0);
    }

    void startLevelBounds()
    {
        Workspace w = fixtureWorld();
        QVERIFY(rise(w, {}).empty());
        RiseStart start;
        start.level = 199;
        const std::vector<ResultRow> last = rise(w, {statRow(Str, 500)}, start);
        QCOMPARE(last.size(), size_t(1));
        QCOMPARE(last[0][ResultField::Points], u"");
        start.level = 200;
        QVERIFY(rise(w, {statRow(Str, 500)}, start).empty());
        start.level = -1;
        QCOMPARE(rise(w, {statRow(Str, 500)}, start).size(), size_t(201));
        start.level = -2;
        QVERIFY(rise(w, {statRow(Str, 500)}, start).empty());
    }

    void laterRunLeavesRowsItDoesNotReach()
    {
        Workspace w = fixtureWorld();
        rise(w, {statRow(Str, 100)});
        const ResultRow firstRunRow60 = w.results.row(60);
        RiseStart start;
        start.level = 150;
        QCOMPARE(rise(w, {statRow(Dex, 100)}, start).size(), size_t(50));
        QCOMPARE(w.results.row(0)[ResultField::Level], u"150");
        QCOMPARE(w.results.row(49)[ResultField::Level], u"199");
        QCOMPARE(w.results.row(60), firstRunRow60);
        QCOMPARE(w.results.row(60)[ResultField::Level], u"61");
    }

    void hitPointsGrowFromEnduranceBeforeSpending()
    {
        Workspace w = fixtureWorld();
        RiseStart start;
        start.priority = End;
        start.end = 29;
        const std::vector<ResultRow> rows = rise(w, {statRow(Str, 12)}, start);
        QCOMPARE(rows[1][6], u"78");  // End 29 before spending: 1 + 7
        QCOMPARE(rows[2][6], u"87");  // End 34: 2 + 7
        QCOMPARE(rows[1][2], u"34");
    }

    void extremeValuesNeverFail()
    {
        Workspace w = fixtureWorld();
        const int huge = addEntry(w, QStringLiteral("Huge"), {2147483647, 2147483647, 0, 0, 0, 2147483647}, 2147483647);
        const int low =
            addEntry(w, QStringLiteral("Low"), {-2147483647 - 1, -2147483647 - 1, 0, 0, 0, -5}, 2147483647);
        RiseStart start;
        start.str = 2147483647;
        start.end = -2147483647 - 1;
        start.hp = 2147483647;
        const std::vector<ResultRow> rows = rise(w, {entryRow(huge), entryRow(low), statRow(Int, 65535)}, start);
        QCOMPARE(rows.size(), size_t(199));
        QCOMPARE(rows[1][ResultField::Names], u"Low");
        QCOMPARE(rows[1][ResultField::ExtraSum], u"2147483647");
        // The Int target also asks End to reach 0: every point goes there, far below any 32-bit limit.
        QCOMPARE(rows[1][ResultField::Points], u" End5");
        QCOMPARE(rows[198][1], u"2147483647");
        QCOMPARE(rows[198][2], QString::number(-2147483648LL + 198 * 5));
        QVERIFY(rows[198][6].toLongLong() < 0); // hp shrinks with such an End
    }
};

QTEST_GUILESS_MAIN(SimulationTest)
#include "test_simulation.moc"
