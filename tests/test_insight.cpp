// What the windows explain and copy: the line naming each goal, a goal's level alone,
// search keys, and the text forms of the rows and of the plan.

#include <QRandomGenerator>
#include <QTest>

#include "TestWorld.h"
#include "ChoiceFile.h"
#include "GoalInsight.h"
#include "SearchKey.h"
#include "TextExport.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

Workspace languageWorld(const QString &language)
{
    Workspace world;
    QStringList messages = LoadLanguageWord(world, QStringLiteral(BREVATH_DATA), language);
    messages += world.LoadCatalogue();
    if (!messages.isEmpty())
        qFatal("%s", qPrintable(messages.join(u'\n')));
    return world;
}

void setStart(Workspace &w, int level, int stats, int priority)
{
    w.inputs.SDLevel = level;
    w.inputs.SDStr = w.inputs.SDEnd = w.inputs.SDDex = w.inputs.SDSag = w.inputs.SDInt = stats;
    w.inputs.SDPV = 70;
    w.inputs.SDPM = 50;
    w.inputs.Priority = priority;
}

// Every line's names text holds the labels of the goals NamingLines puts on it (in the order
// of the spending passes that reached them, so compared as sets). No label here holds ", ".
void checkNamingAgreesWithTheRise(Workspace &w, const std::vector<ResultRow> &lines)
{
    const RowViews views(w.choices, w.catalogue, w.captions);
    const std::vector<int> naming = NamingLines(views, w.choices, lines);
    QCOMPARE(naming.size(), w.choices.rows.size());
    std::vector<QStringList> named(lines.size());
    for (size_t r = 0; r < naming.size(); ++r) {
        QCOMPARE(naming[r] >= 0, w.choices.rows[r].reached);
        if (naming[r] >= 0)
            named[size_t(naming[r])] << views.RowLabel(int(r));
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        QStringList expected = lines[i][ResultField::Names].split(QStringLiteral(", "), Qt::SkipEmptyParts);
        expected.sort();
        named[i].sort();
        QCOMPARE(named[i], expected);
    }
}

} // namespace

class InsightTest : public QObject
{
    Q_OBJECT

private slots:
    void namingLinesAgreeWithRandomPlans()
    {
        Workspace w = languageWorld(QStringLiteral("english"));
        QRandomGenerator random(6);
        for (int plan = 0; plan < 300; ++plan) {
            setStart(w, int(random.bounded(-1, 200)), int(random.bounded(0, 90)), int(random.bounded(1, 6)));
            std::array<QString, kChoiceRows> texts;
            w.goals.kinds.fill(0);
            const int goals = int(random.bounded(0, 30));
            for (int i = 0; i < kChoiceRows; ++i) {
                if (i >= goals) {
                    texts[size_t(i)] = PlaceholderText(w.captions, i);
                } else if (random.bounded(5) == 0) {
                    w.goals.kinds[size_t(i)] = PackStatTarget(int(random.bounded(1, 6)), 0);
                    texts[size_t(i)] = QString::number(random.bounded(0, 400));
                } else {
                    texts[size_t(i)] = w.catalogue.entry(1 + int(random.bounded(w.catalogue.count()))).name;
                }
            }
            const PlanRun run = MakePlan(w, texts);
            QVERIFY(run.ok);
            checkNamingAgreesWithTheRise(w, run.rows);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("plan %1").arg(plan)));
        }
    }

    void earliestLevelAloneFollowsTheRise()
    {
        Workspace w = fixtureWorld();
        const RiseStart start; // 12 everywhere, level 1, Dex priority
        const auto alone = [&](int entry, const RiseStart &from) {
            return EarliestLevelAlone({entry, 0, false}, w.catalogue, w.captions, from);
        };
        const int club = w.catalogue.FindByName(QStringLiteral("Club"));
        // Str 20 from 12: 5 points at level 2, 3 at level 3.
        QCOMPARE(alone(club, start), std::optional<std::int64_t>(3));
        // Already usable at the start: named on the next line.
        QCOMPARE(alone(w.catalogue.FindByName(QStringLiteral("Reed Bracelet")), start),
                 std::optional<std::int64_t>(2));
        // Blaze waits for its level gate of 10, whatever the points.
        QCOMPARE(alone(w.catalogue.FindByName(QStringLiteral("Blaze")), start), std::optional<std::int64_t>(10));
        // A statistic target: Dex 40 from 12 at 5 a level.
        QCOMPARE(EarliestLevelAlone({-1, PackStatTarget(Dex, 40), false}, w.catalogue, w.captions, start),
                 std::optional<std::int64_t>(7));

        RiseStart late = start;
        late.level = 199;
        QCOMPARE(alone(club, late), std::nullopt);
        CatalogueEntry huge;
        huge.name = QStringLiteral("Out of reach");
        huge.requirement = {2000, 0, 0, 0, 0, 0};
        w.catalogue.append(huge);
        QCOMPARE(alone(w.catalogue.count(), start), std::nullopt);
        // The session's own list is not touched.
        QVERIFY(w.choices.rows.empty());
    }

    void searchKeysIgnoreCaseAndAccents()
    {
        QCOMPARE(SearchKey(u"Flèche"), QStringLiteral("fleche"));
        QCOMPARE(SearchKey(u"FLÈCHE de Pierre"), QStringLiteral("fleche de pierre"));
        QCOMPARE(SearchKey(u"Épée <dorée> & \"fine\""), QStringLiteral("epee <doree> & \"fine\""));
        QCOMPARE(SearchKey(u"Übungsstäbe"), QStringLiteral("ubungsstabe"));
        QVERIFY(SearchKey(u"Fléchette de pierre").contains(SearchKey(u"CHETTE")));
        QVERIFY(!SearchKey(u"Flèche").contains(SearchKey(u"flechette")));
        QCOMPARE(SearchKey(u""), QString());
    }

    void textLinesAreTheExportsLines()
    {
        Workspace w = fixtureWorld();
        setStart(w, 190, 12, Sag);
        const PlanRun run = MakePlan(w, rowTexts(w.captions, {QStringLiteral("Spark"), QStringLiteral("Club")}));
        const int n = int(run.rows.size());
        const std::optional<QStringList> lines = TxtLines(w.results, n, w.captions);
        QVERIFY(lines);
        QCOMPARE(lines->size(), n + 1);
        QCOMPARE(lines->first(), ExportColumnTitles(w.captions).join(u'\t'));
        const QString crlf = QStringLiteral("\r\n");
        QCOMPARE(EncodeWindows1252(lines->join(crlf) + crlf), *TxtBytes(w.results, n, w.captions));
        QCOMPARE(TxtLines(w.results, ResultTable::kRows + 1, w.captions), std::nullopt);
    }

    void choiceTextIsWhatASaveWritesAndTouchesNothing()
    {
        Workspace w = fixtureWorld();
        const auto texts = rowTexts(w.captions, {QStringLiteral("Club"), QStringLiteral("30.4"),
                                                 PlaceholderText(w.captions, 2),
                                                 QStringLiteral("Épée <dorée> & \"fine\"")});
        w.goals.kinds[1] = PackStatTarget(Str, 0);
        const RowKinds kindsBefore = w.goals.kinds;
        const std::optional<QString> text = ChoiceFileText(texts, w.goals.kinds, w.catalogue, w.captions);
        QVERIFY(text);
        QCOMPARE(w.goals.kinds, kindsBefore);
        QVERIFY(w.choices.rows.empty());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.txt"));
        QVERIFY(SaveChoiceFile(path, texts, w.goals.kinds, w.choices, w.catalogue, w.captions).ok);
        QCOMPARE(EncodeWindows1252(*text), readBytes(path));
        QCOMPARE(*text, QStringLiteral("0\tClub\r\n1\t30\r\n0\tÉpée <dorée> & \"fine\"\r\n"));

        w.goals.kinds[1] = PackStatTarget(Str, 0);
        auto tooLarge = texts;
        tooLarge[1] = QStringLiteral("70000");
        QCOMPARE(ChoiceFileText(tooLarge, w.goals.kinds, w.catalogue, w.captions), std::nullopt);
    }
};

QTEST_MAIN(InsightTest)
#include "test_insight.moc"
