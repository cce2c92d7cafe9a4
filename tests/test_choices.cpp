// Screen rows into the ChoiceList, what the lists offer, the goal rows, and choice files.

#include "TestWorld.h"
#include "ChoiceFile.h"
#include "ChoiceFilters.h"

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {
// The first rows of a load, each as its kind, its type from the end and its text.
QStringList described(const ChoiceFileLoad &load, size_t count)
{
    QStringList rows;
    for (size_t i = 0; i < count && i < load.rows.size(); ++i)
        rows << u"%1 %2 %3"_s.arg(load.rows[i].kind).arg(load.rows[i].typeFromEnd).arg(load.rows[i].text);
    return rows;
}
} // namespace

class ChoicesTest : public QObject
{
    Q_OBJECT

private slots:
    void filledRowsBecomeListRowsInOrder()
    {
        Workspace w = fixtureWorld();
        w.goals.texts = rowTexts(w.captions,
                                 {u"Club"_s, PlaceholderText(w.captions, 1), u"40"_s, u"Goal typed by hand"_s,
                                  u"No such thing"_s, u"club"_s});
        w.goals.kinds[2] = 2 * 65536;
        const GoalRows rows = w.goals;
        const std::optional<ChoiceList> list = BuildChoiceList(w.goals, w.catalogue, w.captions);
        QVERIFY(list && w.goals == rows); // the target is packed into the list, never into the rows
        QCOMPARE(list->last(), 1);
        QCOMPARE((QList<qint64>{list->rows[0].entry, list->rows[0].target, list->rows[1].entry, list->rows[1].target}),
                 (QList<qint64>{w.catalogue.FindByName(u"Club"_s), 0, -1, 2 * 65536 + 40}));
        w.captions.setEntry(Caption::PlaceholderWord, QString()); // every text then starts with it
        QCOMPARE(BuildChoiceList(w.goals, w.catalogue, w.captions)->last(), -1);
    }

    // Statistic values, rounded or refused, are in the hostile cases.
    void emptyRowsNameNothingAndRefusedRowsFailTheSave()
    {
        Workspace w = fixtureWorld();
        // An empty catalogue row names nothing, not a nameless entry.
        w.catalogue.append(CatalogueEntry{});
        w.goals.kinds[0] = 0;
        w.goals.texts[0] = QString();
        ChoiceList list;
        QCOMPARE(AddRowChoice(w.goals, 0, list, w.catalogue, w.captions), AddRowResult::Nothing);

        // A refused row fails the save, which then writes nothing.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"kept.txt"_s);
        writeBytes(path, "0\tClub\r\n");
        w.goals.kinds = {0, 65536};
        w.goals.texts = rowTexts(w.captions, {u"Club"_s, u"70000"_s});
        const Outcome outcome = SaveChoiceFile(path, w.goals, w.catalogue, w.captions);
        QCOMPARE(outcome.message, u"Could not save "_s + path);
        QCOMPARE(readBytes(path), QByteArray("0\tClub\r\n"));
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

        QStringList texts;
        for (const TypeItem &item : TypeListItems(w.captions, ticked))
            texts << item.text + u' ' + QString::number(item.code);
        QCOMPARE(texts,
                 (QStringList{"All categories 0", "Bows 1", "Weapons 3", "Strength -1", "Endurance -1",
                              u"Dextérité -1"_s, "Sagacity -1", "Intelligence -1"}));
    }

    void choiceFileRoundTrip()
    {
        Workspace w = fixtureWorld();
        QTemporaryDir dir;
        const QString path = dir.filePath(u"plan"_s);
        CatalogueEntry odd;
        odd.name = u"Bow, of the North"_s;
        w.catalogue.append(odd);
        w.goals.texts = rowTexts(w.captions, {u"Club"_s, u"30"_s, PlaceholderText(w.captions, 2), odd.name, u"40.5"_s});
        w.goals.kinds[1] = 65536;
        w.goals.kinds[4] = 3 * 65536;
        QVERIFY(SaveChoiceFile(path, w.goals, w.catalogue, w.captions).ok);
        QCOMPARE(readBytes(path), QByteArray("0\tClub\r\n1\t30\r\n\"0\tBow, of the North\"\r\n3\t40\r\n"));

        const ChoiceFileLoad load = ReadChoiceFile(path, w.captions);
        QVERIFY(load.ok);
        QCOMPARE(load.rows.size(), size_t(kChoiceRows));
        QCOMPARE(described(load, 5),
                 (QStringList{"0 -1 Club", "65536 1 30", "0 -1 Bow, of the North", "196608 3 40", "0 -1 Goal 5"}));

        // The text a copy puts on the clipboard is the file's.
        w.goals.texts[1] = u"30.4"_s;
        QCOMPARE(EncodeWindows1252(*ChoiceFileText(w.goals, w.catalogue, w.captions)), readBytes(path));
        w.goals.texts[1] = u"70000"_s;
        QCOMPARE(ChoiceFileText(w.goals, w.catalogue, w.captions), std::nullopt);

        QVERIFY(SaveChoiceFile(path, FreshGoalRows(w.captions, 16), w.catalogue, w.captions).ok);
        QCOMPARE(readBytes(path), QByteArray());

        // 2.5 x 65536 still names End; 0.5 is the item before the statistics, a catalogue row, and so is -1.
        QCOMPARE(described(ParseChoiceText(u"2.5\tfirst\r\n0.5\tsecond\r\n-1\tthird\r\n3\r\n"_s, w.captions), 4),
                 (QStringList{"131072 2 first", "0 0 second", "-65536 -1 third", "196608 3 "}));
    }

    // The screen's operations on its rows, each from the same rows: what it changes, and
    // that it changes no other row.
    void goalRowOperations()
    {
        const Workspace w = fixtureWorld();
        const CaptionTable &c = w.captions;
        CategoryStates ticked{};
        ticked[0] = ticked[2] = true; // bows and weapons
        GoalRows start = FreshGoalRows(c, 8); // every ticked category, the two of them, five statistics
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
            {"category",
             [&](GoalRows &r) {
                 PickType(r, 2, 2, c);
                 return true;
             },
             true,
             {{2, 2, 0, c.entry(67)}}},
            {"statistic",
             [&](GoalRows &r) {
                 PickType(r, 0, 7, c);
                 return true;
             },
             true,
             {{0, 7, 5 * 65536, ""}}},
            {"down in the last row",
             [](GoalRows &r) {
                 ShiftDown(r, 80);
                 return true;
             },
             true,
             {}},
            {"down in row 79",
             [](GoalRows &r) {
                 ShiftDown(r, 79);
                 return true;
             },
             true,
             {{80, 0, 0, PlaceholderText(c, 79)}}},
            {"list", paste("3\t25\r\n0\tClub\r\n"), true, {{0, 5, 3 * 65536, "25"}, {1, 4, 0, "Club"}}},
            {"list, its types following the goals",
             [&](GoalRows &r) {
                 const bool pasted = paste("0\tClub\r\n0\tGrey Robe\r\n0\tLong Bow\r\n")(r);
                 FollowGoalTypes(r, w.catalogue, c, ticked); // robes are not ticked: no type lists them
                 return pasted;
             },
             true,
             {{0, 2, 0, "Club"}, {1, 0, 0, "Grey Robe"}, {2, 0, 0, "Long Bow"}}},
            {"name", paste("Club"), false, {}},
            {"list failing part way", paste("0\tClub\r\n6\t3\r\n"), false, {}},
            {"load failing part way",
             [&](GoalRows &r) {
                 const ChoiceFileLoad load = ParseChoiceText(QStringLiteral("0\tClub\r\n6\t3\r\n"), c);
                 ApplyChoiceLoad(r, load);
                 return load.ok;
             },
             false,
             {{0, 1, 0, "Club"}}},
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

        // A new build keeps every row: a statistic at its new place, a category no longer
        // ticked giving way to the first type.
        CategoryStates weapons{};
        weapons[2] = true;
        GoalRows expected = start;
        expected.typeCount = 7;
        ChooseType(expected, 0, 0);
        ChooseType(expected, 1, 3);
        QVERIFY(RowsForTicks(start, ticked, weapons) == expected);
    }
};

QTEST_GUILESS_MAIN(ChoicesTest)
#include "test_choices.moc"
