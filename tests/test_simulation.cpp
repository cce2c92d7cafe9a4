// The sheet's commit, the rise level by level (growth, spending passes, goals named, the
// lines' texts), and a goal's earliest level alone.

#include "TestWorld.h"
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

Plan rise(const Workspace &w, const QList<ChoiceRow> &rows, RiseStart start = {})
{
    return SimulateRise(ChoiceList{{rows.begin(), rows.end()}}, w.catalogue, w.captions, start);
}

ChoiceRow entryRow(int e)
{
    return {e, 0};
}
ChoiceRow statRow(int stat, int value)
{
    return {-1, PackStatTarget(stat, value)};
}

} // namespace

class SimulationTest : public QObject
{
    Q_OBJECT

private slots:
    // Each box commits its leading number, halves to even; the priority is the one given, Dex
    // for none. A failing box ends the commit: boxes before it are stored, it and
    // those after it untouched.
    void sheetCommit()
    {
        SheetTexts texts = {"", "12abc", " 7", "abc", "12.5", "13.5", "-2.5", "70", "0", "0", "0", "0", "41"};
        PlanInputs inputs;
        QVERIFY(CommitSheet(texts, 0, inputs));
        QCOMPARE((std::array<std::int32_t, 8>{inputs.SDLevel, inputs.SDStr, inputs.SDEnd, inputs.SDDex, inputs.SDSag,
                                              inputs.SDInt, inputs.SDPV, inputs.mint}),
                 (std::array<std::int32_t, 8>{0, 12, 7, 0, 12, 14, -2, 41}));
        QCOMPARE(inputs.Priority, int(Dex));
        QVERIFY(CommitSheet(DefaultSheetTexts(), Int, inputs)); // the last statistic, too, is a priority
        QCOMPARE(inputs.Priority, int(Int));
        QCOMPARE(PresetStatText(1) + PresetStatText(2), u"2530");

        inputs.SDPV = 555;
        inputs.Priority = 5;
        texts = DefaultSheetTexts();
        texts[2] = u"30"_s;
        texts[6] = u"99999999999"_s;
        QVERIFY(!CommitSheet(texts, Str, inputs));
        QCOMPARE(inputs.SDEnd, 30);
        QCOMPARE(inputs.SDPV, 555);
        QCOMPARE(inputs.Priority, 5);
        texts = DefaultSheetTexts();
        texts[0] = u"-1.5"_s; // rounds to -2, and a plan starts at level -1 at the lowest
        QVERIFY(!CommitSheet(texts, 0, inputs));
        texts[0] = u"-1"_s;
        QVERIFY(CommitSheet(texts, 0, inputs));
    }

    void growthFunctions() // halves go to the even neighbour
    {
        QCOMPARE((QList<std::int64_t>{LifeGain(10), LifeGain(12), LifeGain(30), LifeGain(50)}),
                 (QList<std::int64_t>{7, 8, 9, 9}));
        QCOMPARE((QList<std::int64_t>{ManaGain(30, 0), ManaGain(90, 0), ManaGain(12, 12), ManaGain(30, 15)}),
                 (QList<std::int64_t>{4, 6, 5, 5}));
    }

    // Worked rises, each a list, a start, how many lines it gives and some of their columns as
    // the list and the exports show them (-1: the whole line, columns joined by |).
    void rises()
    {
        Workspace w = fixtureWorld();
        const ChoiceRow str20 = entryRow(addEntry(w, u"Str 20"_s, {20, 0, 0, 0, 0, 0}));
        const ChoiceRow gated = entryRow(addEntry(w, u"Gate 10"_s, {0, 0, 0, 0, 20, 10}));
        const ChoiceRow met = entryRow(addEntry(w, u"Met"_s, {10, 0, 0, 0, 0, 0}, 7));
        const ChoiceRow huge =
            entryRow(addEntry(w, u"Huge"_s, {2147483647, 2147483647, 0, 0, 0, 2147483647}, 2147483647));
        const ChoiceRow low =
            entryRow(addEntry(w, u"Low"_s, {-2147483647 - 1, -2147483647 - 1, 0, 0, 0, -5}, 2147483647));
        constexpr int P = PlanColumn::Points, N = PlanColumn::Names, X = PlanColumn::ExtraSum, L = PlanColumn::Level;
        struct Check
        {
            int row, field;
            QString value;
        };
        const struct
        {
            const char *name;
            QList<ChoiceRow> rows;
            RiseStart start;
            size_t size;
            QList<Check> checks;
        } cases[] = {
            {"Str 20, Dex the priority",
             {str20},
             {},
             199,
             {{0, -1, u"1|12|12|12|12|12|70|50|||0"_s},
              {1, -1, u"2|17|12|12|12|12|78|55| Str5||0"_s},
              {2, -1, u"3|20|12|14|12|12|86|60| Str3 Dex2|Str 20|0"_s},
              {198, L, u"199"_s},
              {198, P, u" Dex5"_s}}},
            // Level 8: slack (10 - 8) * 5 - 8 = 2 to the priority, three to the row; level 9: slack
            // (10 - 9) * 5 - 5 = 0, all five to the row, which waits for its level.
            {"gated row's slack",
             {gated},
             {.level = 7, .priority = Str},
             193,
             {{1, P, u" Str2 Int3"_s}, {2, P, u" Int5"_s}, {2, N, u""_s}, {3, L, u"10"_s}, {3, N, u"Gate 10"_s}}},
            // Start values met one level later; Str 30 from 12 + 18 points over levels 2 to 5.
            {"named in list order",
             {statRow(Str, 30), met, statRow(End, 12)},
             {},
             199,
             {{0, N, u""_s},
              {1, N, u"Met, Endurance : 12"_s},
              {1, X, u"7"_s},
              {1, P, u" Str5"_s},
              {4, N, u"Strength : 30"_s},
              {4, X, u"0"_s}}},
            // End 29 before spending: 1 + 7; then End 34: 2 + 7.
            {"hit points from End before spending",
             {statRow(Str, 12)},
             {.end = 29, .priority = End},
             199,
             {{1, 6, u"78"_s}, {2, 6, u"87"_s}, {1, 2, u"34"_s}}},
            // The Int target also asks End to reach 0: every point goes there, far past 32 bits;
            // hit points shrink with such an End.
            {"extreme values",
             {huge, low, statRow(Int, 65535)},
             {.str = 2147483647, .end = -2147483647 - 1, .hp = 2147483647},
             199,
             {{1, N, u"Low"_s},
              {1, X, u"2147483647"_s},
              {1, P, u" End5"_s},
              {198, 1, u"2147483647"_s},
              {198, 2, QString::number(-2147483648LL + 198 * 5)},
              {198, 6, u"-"_s}}},
            {"no goal", {}, {}, 0, {}},
            {"start at 199", {statRow(Str, 500)}, {.level = 199}, 1, {{0, P, u""_s}}}, // none on the start level
            {"start at 200", {statRow(Str, 500)}, {.level = 200}, 0, {}},
            {"start at -1", {statRow(Str, 500)}, {.level = -1}, 201, {{0, P, u""_s}}},
            {"start at -2", {statRow(Str, 500)}, {.level = -2}, 0, {}},
        };
        for (const auto &c : cases) {
            const Plan plan = rise(w, c.rows, c.start);
            QCOMPARE(plan.lines.size(), c.size);
            for (const Check &check : c.checks) {
                QStringList row;
                for (int column = 0; column < kPlanColumns; ++column)
                    row << ColumnText(plan, plan.lines[size_t(check.row)], column, w.captions);
                const QString got = check.field < 0 ? row.join(u'|') : row[check.field];
                QVERIFY2(check.value == u"-" ? got.startsWith(u'-') : got == check.value,
                         qPrintable(u"%1, row %2: %3"_s.arg(QLatin1String(c.name)).arg(check.row).arg(got)));
            }
        }
    }

    void earliestLevelAloneFollowsTheRise()
    {
        Workspace w = fixtureWorld();
        const int far = addEntry(w, u"Out of reach"_s, {2000, 0, 0, 0, 0, 0});
        const auto alone = [&](const ChoiceRow &goal, int level = 1) {
            RiseStart start; // 12 everywhere, Dex priority
            start.level = level;
            return EarliestLevelAlone(goal, w.catalogue, start).value_or(-1);
        };
        const auto entry = [&](const char *name) { return entryRow(w.catalogue.FindByName(QLatin1String(name))); };
        QCOMPARE(alone(entry("Club")), 3); // Str 20 from 12: 5 points at level 2, 3 at level 3
        QCOMPARE(alone(entry("Reed Bracelet")), 2); // usable at the start: named on the next line
        QCOMPARE(alone(entry("Blaze")), 10); // waits for its level gate, whatever the points
        QCOMPARE(alone(statRow(Dex, 40)), 7); // Dex 40 from 12 at 5 a level
        QCOMPARE(alone(entry("Club"), 199), -1);
        QCOMPARE(alone(entryRow(far)), -1);
    }
};

QTEST_GUILESS_MAIN(SimulationTest)
#include "test_simulation.moc"
