// Screen rows into the ChoiceList, what the lists offer, and choice files.

#include <QTemporaryDir>
#include <QTest>

#include "TestWorld.h"
#include "ChoiceFile.h"
#include "ChoiceFilters.h"

using namespace brevath;
using namespace brevath::testing;

class ChoicesTest : public QObject
{
    Q_OBJECT

private slots:
    void filledRowsBecomeListRowsInOrder()
    {
        Workspace w = fixtureWorld();
        auto rows = rowTexts(w.captions, {QStringLiteral("Club"), PlaceholderText(w.captions, 1),
                                          QStringLiteral("40"), QStringLiteral("Goal typed by hand"),
                                          QStringLiteral("No such thing"), QStringLiteral("(none)"),
                                          QStringLiteral("club")});
        w.goals.kinds[2] = 2 * 65536;
        QVERIFY(BuildChoiceList(rows, w.goals.kinds, w.choices, w.catalogue, w.captions));
        QCOMPARE(w.choices.last(), 1);
        QCOMPARE(w.choices.rows[0].entry, w.catalogue.FindByName(QStringLiteral("Club")));
        QCOMPARE(w.choices.rows[0].target, 0);
        QCOMPARE(w.choices.rows[1].entry, -1);
        QCOMPARE(w.choices.rows[1].target, 2 * 65536 + 40);
        QCOMPARE(w.goals.kinds[2], 2 * 65536 + 40);

        // A second build packs again from the statistic, not onto the old value.
        QVERIFY(BuildChoiceList(rows, w.goals.kinds, w.choices, w.catalogue, w.captions));
        QCOMPARE(w.choices.rows[1].target, 2 * 65536 + 40);
        QCOMPARE(w.choices.last(), 1);
    }

    void statisticValuesRoundAndRefuseWhatCannotBePacked()
    {
        Workspace w = fixtureWorld();
        const auto add = [&](const QString &text) {
            w.goals.kinds[0] = 1 * 65536;
            ClearChoiceList(w.choices);
            return AddRowChoice(text, 0, w.goals.kinds, w.choices, w.catalogue, w.captions);
        };
        QCOMPARE(add(QStringLiteral("40.5")), AddRowResult::Added);
        QCOMPARE(w.choices.rows[0].target, 65536 + 40);
        add(QStringLiteral("41.5"));
        QCOMPARE(w.choices.rows[0].target, 65536 + 42);
        add(QStringLiteral("word"));
        QCOMPARE(w.choices.rows[0].target, 65536); // a statistic row always yields a target
        add(QStringLiteral("65535"));
        QCOMPARE(w.choices.rows[0].target, 65536 + 65535);
        for (const char *bad : {"70000", "65535.5", "-1", "99999999999", "1e309"}) {
            QCOMPARE(add(QLatin1String(bad)), AddRowResult::TargetOutOfRange);
            QCOMPARE(w.choices.last(), -1);
            QCOMPARE(w.goals.kinds[0], 65536);
        }
        const auto rows = rowTexts(w.captions, {QStringLiteral("Club"), QStringLiteral("70000")});
        w.goals.kinds[1] = 1 * 65536;
        QVERIFY(!BuildChoiceList(rows, w.goals.kinds, w.choices, w.catalogue, w.captions));
    }

    void emptyPlaceholderWordMakesEveryRowEmpty()
    {
        Workspace w = fixtureWorld();
        w.captions.setEntry(Caption::PlaceholderWord, QString());
        w.goals.kinds[1] = 65536;
        QVERIFY(BuildChoiceList(rowTexts(w.captions, {QStringLiteral("Club"), QStringLiteral("5")}), w.goals.kinds,
                                w.choices, w.catalogue, w.captions));
        QCOMPARE(w.choices.last(), -1);
    }

    void filtersOfferTickedCategoriesWithinMaxima()
    {
        const Workspace w = fixtureWorld();
        PlanInputs inputs;
        CategoryStates ticked{};
        ticked[0] = ticked[2] = true; // bows and weapons
        ChoiceFilters filters = ReadChoiceFilters(ticked, inputs);
        QCOMPARE(filters.mask, 1 | 4);
        QCOMPARE(EntryListItems(w.catalogue, w.captions, filters.mask, filters.maxima),
                 (QStringList{"(none)", "Short Bow", "Long Bow", "Club", "Twin Axe"}));

        inputs.mstr = 20; // Club needs exactly 20, Twin Axe 60
        inputs.mdex = 39; // Long Bow needs 40
        filters = ReadChoiceFilters(ticked, inputs);
        QCOMPARE(EntryListItems(w.catalogue, w.captions, filters.mask, filters.maxima),
                 (QStringList{"(none)", "Short Bow", "Club"}));
        QCOMPARE(OfferedEntries(w.catalogue, 0, filters.maxima).size(), size_t(0));
    }

    void typeListHoldsTickedCategoriesThenStatistics()
    {
        const Workspace w = fixtureWorld();
        CategoryStates ticked{};
        ticked[0] = ticked[2] = true;
        const std::vector<TypeItem> items = TypeListItems(w.captions, ticked);
        QStringList texts;
        QList<int> codes;
        for (const TypeItem &item : items) {
            texts << item.text;
            codes << item.code;
        }
        QCOMPARE(texts, (QStringList{"All categories", "Bows", "Weapons", "Strength", "Endurance",
                                     QStringLiteral("Dextérité"), "Sagacity", "Intelligence"}));
        QCOMPARE(codes, (QList<int>{0, 1, 3, -1, -1, -1, -1, -1}));
        QCOMPARE(StatOfTypePosition(5, int(items.size())), 3);
    }

    void choiceFileRoundTrip()
    {
        Workspace w = fixtureWorld();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan"));
        auto rows = rowTexts(w.captions, {QStringLiteral("Club"), QStringLiteral("30"), PlaceholderText(w.captions, 2),
                                          QStringLiteral("Spark"), QStringLiteral("40.5")});
        w.goals.kinds[1] = 65536;
        w.goals.kinds[4] = 3 * 65536;
        const SaveOutcome saved = SaveChoiceFile(path, rows, w.goals.kinds, w.choices, w.catalogue, w.captions);
        QVERIFY(saved.ok);
        QCOMPARE(readBytes(path), QByteArray("0\tClub\r\n1\t30\r\n0\tSpark\r\n3\t40\r\n"));

        const ChoiceFileLoad load = ReadChoiceFile(path, w.captions);
        QVERIFY(load.ok);
        QCOMPARE(load.rows.size(), size_t(kChoiceRows));
        QCOMPARE(load.rows[0].text, u"Club");
        QCOMPARE(load.rows[0].typeFromEnd, -1);
        QCOMPARE(load.rows[1].kind, 65536);
        QCOMPARE(load.rows[1].typeFromEnd, 1);
        QCOMPARE(load.rows[1].text, u"30");
        QCOMPARE(load.rows[3].kind, 3 * 65536);
        QCOMPARE(load.rows[4].text, PlaceholderText(w.captions, 4));
        QCOMPARE(load.rows[80].text, u"Goal 81");
        QCOMPARE(load.rows[80].kind, 0);
    }

    void emptyListSavesAnEmptyFileAndNamesWithCommasStayWhole()
    {
        Workspace w = fixtureWorld();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empty.txt"));
        QVERIFY(SaveChoiceFile(path, rowTexts(w.captions, {}), w.goals.kinds, w.choices, w.catalogue, w.captions).ok);
        QCOMPARE(readBytes(path), QByteArray());

        CatalogueEntry odd;
        odd.name = QStringLiteral("Bow, of the North");
        w.catalogue.append(odd);
        const int oddEntry = w.catalogue.count();
        QVERIFY(SaveChoiceFile(path, rowTexts(w.captions, {odd.name}), w.goals.kinds, w.choices, w.catalogue,
                               w.captions).ok);
        QCOMPARE(readBytes(path), QByteArray("\"0\tBow, of the North\"\r\n"));
        const ChoiceFileLoad load = ReadChoiceFile(path, w.captions);
        QCOMPARE(load.rows[0].text, odd.name);
        QCOMPARE(w.catalogue.FindByName(load.rows[0].text), oddEntry);
    }

    void failedSaveWritesNothing()
    {
        Workspace w = fixtureWorld();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.txt"));
        writeBytes(path, "0\tClub\r\n");
        w.goals.kinds[0] = 65536;
        const SaveOutcome outcome = SaveChoiceFile(path, rowTexts(w.captions, {QStringLiteral("70000")}), w.goals.kinds,
                                                   w.choices, w.catalogue, w.captions);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, QStringLiteral("Could not save ") + path);
        QCOMPARE(readBytes(path), QByteArray("0\tClub\r\n"));

        w.goals.kinds[0] = 0;
        const QString blocked = dir.filePath(QStringLiteral("kept.txt/inside"));
        QVERIFY(!SaveChoiceFile(blocked, rowTexts(w.captions, {QStringLiteral("Club")}), w.goals.kinds, w.choices,
                                w.catalogue, w.captions).ok);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.txt"});
    }

    void loadQuirks()
    {
        const Workspace w = fixtureWorld();
        const ChoiceFileLoad load =
            ParseChoiceText(QStringLiteral("2.5\tfirst\r\n0.5\tsecond\r\n-1\tthird\r\n3\r\n"), w.captions);
        QVERIFY(load.ok);
        QCOMPARE(load.rows[0].typeFromEnd, 2); // 2.5 x 65536 still names End
        QCOMPARE(load.rows[0].kind, 2 * 65536);
        QCOMPARE(load.rows[1].typeFromEnd, 0); // the item before the statistics: a catalogue row
        QCOMPARE(load.rows[1].kind, 0);
        QCOMPARE(load.rows[2].typeFromEnd, -1);
        QCOMPARE(load.rows[2].kind, -65536); // still read as a catalogue row
        QCOMPARE(load.rows[3].text, u"");

        const ChoiceFileLoad six = ParseChoiceText(QStringLiteral("0\tClub\r\n1\t5\r\n6\t30\r\n0\tSpark\r\n"), w.captions);
        QVERIFY(!six.ok);
        QCOMPARE(six.rows.size(), size_t(2)); // the rows above the failing line are loaded

        QVERIFY(!ParseChoiceText(QStringLiteral("99999999999\tx"), w.captions).ok);
        QVERIFY(ParseChoiceText(QString(200 * 3, u'\n'), w.captions).ok); // lines past the 81st are not read

        QTemporaryDir dir;
        const ChoiceFileLoad missing = ReadChoiceFile(dir.filePath(QStringLiteral("none")), w.captions);
        QVERIFY(!missing.ok);
        QCOMPARE(missing.message, QStringLiteral("Could not read ") + dir.filePath(QStringLiteral("none")));
        QVERIFY(!ReadChoiceFile(dir.path(), w.captions).ok);
    }

    // The screen's operations on its rows, each from the same rows: what it changes, and
    // that it changes no other row.
    void goalRowOperations()
    {
        const Workspace w = fixtureWorld();
        const CaptionTable &c = w.captions;
        GoalRows start = FreshGoalRows(c, 8); // every ticked category, two of them, five statistics
        ChooseType(start, 0, 1);
        start.texts[0] = QStringLiteral("Long Bow");
        ChooseType(start, 1, 4); // End
        start.texts[1] = QStringLiteral("33");
        struct Row
        {
            int row, type;
            std::int32_t kind;
            QString text;
        };
        const auto paste = [&c](const char *text) {
            return [&c, text](GoalRows &r) { return PasteGoalList(r, QString::fromLatin1(text), c); };
        };
        const std::vector<std::tuple<const char *, std::function<bool(GoalRows &)>, bool, QList<Row>>> cases = {
            {"category", [&](GoalRows &r) { PickType(r, 2, 2, c); return true; }, true, {{2, 2, 0, c.entry(67)}}},
            {"statistic", [&](GoalRows &r) { PickType(r, 0, 7, c); return true; }, true, {{0, 7, 5 * 65536, ""}}},
            {"down in the last row", [](GoalRows &r) { ShiftDown(r, 80); return true; }, true, {}},
            {"down in row 79", [](GoalRows &r) { ShiftDown(r, 79); return true; }, true,
             {{80, 0, 0, PlaceholderText(c, 79)}}},
            {"list", paste("3\t25\r\n0\tClub\r\n"), true, {{0, 5, 3 * 65536, "25"}, {1, 4, 0, "Club"}}},
            {"name", paste("Club"), false, {}},
            {"list failing part way", paste("0\tClub\r\n6\t3\r\n"), false, {}},
            {"load failing part way",
             [&](GoalRows &r) {
                 const ChoiceFileLoad load = ParseChoiceText(QStringLiteral("0\tClub\r\n6\t3\r\n"), c);
                 ApplyChoiceLoad(r, load);
                 return load.ok;
             },
             false, {{0, 1, 0, "Club"}}},
        };
        for (const auto &[name, operation, ok, changed] : cases) {
            GoalRows rows = start, expected = start;
            for (const Row &row : changed) {
                expected.types[size_t(row.row)] = row.type;
                expected.kinds[size_t(row.row)] = row.kind;
                expected.texts[size_t(row.row)] = row.text;
            }
            QVERIFY2(operation(rows) == ok, name);
            QVERIFY2(rows == expected, name);
        }

        // Down in row 0: every row below takes what the row above it held, row 0 keeps its own.
        GoalRows shifted = start;
        ShiftDown(shifted, 0);
        QCOMPARE(shifted.texts[0], start.texts[0]);
        for (size_t k = 1; k < size_t(kChoiceRows); ++k) {
            QCOMPARE(shifted.texts[k], start.texts[k - 1]);
            QCOMPARE(shifted.types[k], start.types[k - 1]);
            QCOMPARE(shifted.kinds[k], start.kinds[k - 1]);
        }
    }
};

QTEST_GUILESS_MAIN(ChoicesTest)
#include "test_choices.moc"
