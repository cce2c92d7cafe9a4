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
        QCOMPARE((QList<qint64>{inputs.SDEnd, inputs.SDPV, inputs.Priority}), (QList<qint64>{30, 555, 5}));
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

    // Worked rises (tests/fixtures/rises.txt): goals, a start, how many lines they give and some
    // of their columns as the list and the exports show them.
    void rises()
    {
        Workspace w = fixtureWorld();
        addEntry(w, u"Str 20"_s, {20, 0, 0, 0, 0, 0}, -5);
        addEntry(w, u"Gate 10"_s, {0, 0, 0, 0, 20, 10});
        addEntry(w, u"Met"_s, {10, 0, 0, 0, 0, 0}, 7);
        addEntry(w, u"Huge"_s, {2147483647, 2147483647, 0, 0, 0, 2147483647}, 2147483647);
        addEntry(w, u"Low"_s, {-2147483647 - 1, -2147483647 - 1, 0, 0, 0, -5}, 2147483647);
        for (const QString &line : QString::fromUtf8(readBytes(fixturePath(u"rises.txt"_s))).split(u'\n')) {
            QStringList f = line.split(u'|');
            if (line.startsWith(u'#') || f.size() < 4)
                continue;
            for (QString &field : f)
                field = field.trimmed();
            QList<ChoiceRow> rows;
            for (const QString &goal : f[1].split(u',', Qt::SkipEmptyParts)) {
                const QString g = goal.trimmed();
                rows << (g.contains(u':') ? statRow(g.section(u':', 0, 0).toInt(), g.section(u':', 1).toInt())
                                          : entryRow(w.catalogue.FindByName(g)));
            }
            RiseStart start;
            for (const QString &pair : f[2].split(u' ', Qt::SkipEmptyParts)) {
                const QString key = pair.section(u'=', 0, 0);
                (key == u"level"     ? start.level
                     : key == u"str" ? start.str
                     : key == u"end" ? start.end
                     : key == u"hp"  ? start.hp
                                     : start.priority) = pair.section(u'=', 1).toInt();
            }
            const Plan plan = rise(w, rows, start);
            QCOMPARE(plan.lines.size(), size_t(f[3].toInt()));
            for (const QString &check : f.value(4).split(u';', Qt::SkipEmptyParts)) {
                QStringList cells;
                for (int column = 0; column < kPlanColumns; ++column)
                    cells << ColumnText(plan, plan.lines[size_t(check.section(u':', 0, 0).toInt())], column,
                                        w.captions);
                const QString column = check.section(u':', 1, 1), want = check.section(u':', 2);
                const QString got = column == u"*" ? cells.join(u'/') : cells[u"L1234567PNX"_s.indexOf(column)];
                QVERIFY2(want == u"-" ? got.startsWith(u'-') : got == want, qPrintable(line + u": "_s + got));
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
