// The sheet's commit, the rise level by level (growth, spending passes, goals named, the
// result table), and a goal's earliest level alone.

#include <QTest>

#include "TestWorld.h"
#include "GoalInsight.h"
#include "Simulation.h"

using namespace brevath;
using namespace Qt::StringLiterals;
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
    void sheetBoxesCommitTheirLeadingNumberAndTheFirstOptionIsThePriority()
    {
        SheetTexts texts = {"", "12abc", " 7", "abc", "12.5", "13.5", "-2.5", "70", "0", "0", "0", "0", "41"};
        PlanInputs inputs;
        QVERIFY(CommitSheet(texts, {}, inputs));
        QCOMPARE((std::array<std::int32_t, 8>{inputs.SDLevel, inputs.SDStr, inputs.SDEnd, inputs.SDDex,
                                              inputs.SDSag, inputs.SDInt, inputs.SDPV, inputs.mint}),
                 (std::array<std::int32_t, 8>{0, 12, 7, 0, 12, 14, -2, 41}));
        QCOMPARE(inputs.Priority, int(Dex)); // no option selected
        QVERIFY(CommitSheet(DefaultSheetTexts(), {false, true, false, true, false}, inputs));
        QCOMPARE(inputs.Priority, int(End));
        QCOMPARE(PresetStatText(1) + PresetStatText(2), u"2530");
    }

    void sheetFailureStopsAtTheFailingBox()
    {
        PlanInputs inputs;
        inputs.SDPV = 555;
        inputs.Priority = 5;
        SheetTexts texts = DefaultSheetTexts();
        texts[2] = u"30"_s;
        texts[6] = u"99999999999"_s;
        QVERIFY(!CommitSheet(texts, {true, false, false, false, false}, inputs));
        QCOMPARE(inputs.SDEnd, 30); // before the failing box: stored
        QCOMPARE(inputs.SDPV, 555); // the failing box and those after it: untouched
        QCOMPARE(inputs.Priority, 5);
        texts = DefaultSheetTexts();
        texts[0] = u"-1.5"_s; // rounds to -2, and the result table starts at level -1
        QVERIFY(!CommitSheet(texts, {}, inputs));
        texts[0] = u"-1"_s;
        QVERIFY(CommitSheet(texts, {}, inputs));
    }

    void growthFunctions() // halves go to the even neighbour
    {
        QCOMPARE((QList<std::int64_t>{LifeGain(10), LifeGain(12), LifeGain(30), LifeGain(50)}),
                 (QList<std::int64_t>{7, 8, 9, 9}));
        QCOMPARE((QList<std::int64_t>{ManaGain(30, 0), ManaGain(90, 0), ManaGain(12, 12), ManaGain(30, 15)}),
                 (QList<std::int64_t>{4, 6, 5, 5}));
    }

    void strengthTwentyWithDexPriority()
    {
        Workspace w = fixtureWorld();
        const int str20 = addEntry(w, u"Str 20"_s, {20, 0, 0, 0, 0, 0});
        const std::vector<ResultRow> rows = rise(w, {entryRow(str20)});
        QCOMPARE(rows.size(), size_t(199));
        QCOMPARE(rows[0], (ResultRow{"1", "12", "12", "12", "12", "12", "70", "50", "", "", "0"}));
        QCOMPARE(rows[1], (ResultRow{"2", "17", "12", "12", "12", "12", "78", "55", " Str5", "", "0"}));
        QCOMPARE(rows[2], (ResultRow{"3", "20", "12", "14", "12", "12", "86", "60", " Str3 Dex2", "Str 20", "0"}));
        // Every goal reached: each later level gives all five points to the priority.
        QCOMPARE(rows[198][ResultField::Level], u"199");
        QCOMPARE(rows[198][ResultField::Points], u" Dex5");
        QCOMPARE(w.results.row(198), rows[198]);
    }

    void gatedRowSlackWorkedExample()
    {
        Workspace w = fixtureWorld();
        const int gated = addEntry(w, u"Gate 10"_s, {0, 0, 0, 0, 20, 10});
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
        const int met = addEntry(w, u"Met"_s, {10, 0, 0, 0, 0, 0}, 7);
        const std::vector<ResultRow> rows = rise(w, {statRow(Str, 30), entryRow(met), statRow(End, 12)});
        QCOMPARE(rows[0][ResultField::Names], u"");
        QCOMPARE(rows[1][ResultField::Names], u"Met, Endurance : 12");
        QCOMPARE(rows[1][ResultField::ExtraSum], u"7");
        QCOMPARE(rows[1][ResultField::Points], u" Str5");
        QCOMPARE(rows[4][ResultField::Names], u"Strength : 30"); // 12 + 18 points over levels 2 to 5
        QCOMPARE(rows[4][ResultField::ExtraSum], u"0");
    }

    void startLevelBounds()
    {
        Workspace w = fixtureWorld();
        QVERIFY(rise(w, {}).empty());
        QList<size_t> sizes;
        for (int level : {199, 200, -1, -2}) {
            RiseStart start;
            start.level = level;
            sizes << rise(w, {statRow(Str, 500)}, start).size();
        }
        QCOMPARE(sizes, (QList<size_t>{1, 0, 201, 0}));
        QCOMPARE(w.results.row(0)[ResultField::Points], u""); // none on the start level
    }

    void laterRunLeavesRowsItDoesNotReach()
    {
        Workspace w = fixtureWorld();
        rise(w, {statRow(Str, 100)});
        RiseStart start;
        start.level = 150;
        QCOMPARE(rise(w, {statRow(Dex, 100)}, start).size(), size_t(50));
        QCOMPARE(w.results.row(49)[ResultField::Level], u"199");
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
        const int huge = addEntry(w, u"Huge"_s, {2147483647, 2147483647, 0, 0, 0, 2147483647}, 2147483647);
        const int low = addEntry(w, u"Low"_s, {-2147483647 - 1, -2147483647 - 1, 0, 0, 0, -5}, 2147483647);
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

    void earliestLevelAloneFollowsTheRise()
    {
        Workspace w = fixtureWorld();
        const int far = addEntry(w, u"Out of reach"_s, {2000, 0, 0, 0, 0, 0});
        const auto alone = [&](const ChoiceRow &goal, int level = 1) {
            RiseStart start; // 12 everywhere, Dex priority
            start.level = level;
            return EarliestLevelAlone(goal, w.catalogue, w.captions, start).value_or(-1);
        };
        const auto entry = [&](const char *name) { return entryRow(w.catalogue.FindByName(QLatin1String(name))); };
        QCOMPARE(alone(entry("Club")), 3);          // Str 20 from 12: 5 points at level 2, 3 at level 3
        QCOMPARE(alone(entry("Reed Bracelet")), 2); // usable at the start: named on the next line
        QCOMPARE(alone(entry("Blaze")), 10);        // waits for its level gate, whatever the points
        QCOMPARE(alone(statRow(Dex, 40)), 7);       // Dex 40 from 12 at 5 a level
        QCOMPARE(alone(entry("Club"), 199), -1);
        QCOMPARE(alone(entryRow(far)), -1);
        QVERIFY(w.choices.rows.empty()); // the session's own list is not touched
    }
};

QTEST_GUILESS_MAIN(SimulationTest)
#include "test_simulation.moc"
