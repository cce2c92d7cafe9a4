// Plans that travel: share codes and goals read in another language. (Two plans side by side:
// the planner's comparison, against tests/golden/compare.txt.)

#include <filesystem>

#include "ChoiceFile.h"
#include "GoalTranslation.h"
#include "ShareCode.h"
#include "TestWorld.h"

using namespace brevath;
using namespace brevath::testing;
using namespace Qt::StringLiterals;

namespace {

const QString kData = QStringLiteral(BREVATH_DATA);

QString example(const char *name)
{
    return kData + QStringLiteral("/examples/") + QLatin1String(name) + QStringLiteral(".txt");
}

SharedPlan samplePlan()
{
    SharedPlan plan;
    plan.sheet = {-1, 12, 0, 2147483647, -2147483647 - 1, 30, 70, 50, 0, 20, 0, 65535, 7};
    plan.priority = Sag;
    plan.shown = {true, false, true, false, false, false, false, true, true, true};
    plan.goals = {{0, 0, {1, 0}}, {Str, 40, {}}, {0, 0, {9, 26}}, {Int, 0, {}}, {Dex, 65535, {}}};
    plan.marks[0] = CategoryMark{12, 0xbeef};
    plan.marks[8] = CategoryMark{2147483647, 0};
    return plan;
}

} // namespace

class TravelTest : public QObject
{
    Q_OBJECT

private slots:
    void shareCodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        const QString code = EncodeShareCode(samplePlan());
        const QString payload = code.sliced(code.indexOf(u':') + 1);
        QString changed = code;
        changed[code.size() / 2] = changed[code.size() / 2] == u'A' ? u'B' : u'A';
        const auto add = [](const char *tag, const QString &text, ShareCodeError error) {
            QTest::newRow(tag) << text << int(error);
        };
        SharedPlan older = samplePlan();
        older.marks = {};
        add("whole", code, ShareCodeError::None);
        add("older version, which knows no catalogue", EncodeShareCode(older), ShareCodeError::None);
        add("wrapped and indented",
            QStringLiteral("  ") + code.left(20) + QStringLiteral("\r\n  ") + code.sliced(20) + u'\n',
            ShareCodeError::None);
        add("last character cut", code.chopped(1), ShareCodeError::Cut);
        add("cut in half", code.left(code.size() / 2), ShareCodeError::Cut);
        add("prefix alone", QStringLiteral("brevath1:"), ShareCodeError::Cut);
        add("cut in the prefix", QStringLiteral("brev"), ShareCodeError::Cut);
        add("one character changed", changed, ShareCodeError::Damaged);
        add("one character added", code + u'A', ShareCodeError::Damaged);
        add("not base64url", code + u'=', ShareCodeError::Damaged);
        add("newer version", QStringLiteral("brevath3:") + payload, ShareCodeError::Newer);
        add("far newer version", QStringLiteral("brevath99999999999:") + payload, ShareCodeError::Newer);
        add("goal lines", QStringLiteral("0\tClub\r\n1\t30"), ShareCodeError::NotACode);
        add("version 0", QStringLiteral("brevath0:") + payload, ShareCodeError::NotACode);
    }
    void shareCodes()
    {
        QFETCH(QString, text);
        QFETCH(int, error);
        const ShareCodeRead read = DecodeShareCode(text);
        QCOMPARE(int(read.error), error);
        if (read.error != ShareCodeError::Cut) // a paste that starts as a code is read as one
            QCOMPARE(LooksLikeShareCode(text), read.error != ShareCodeError::NotACode);
        if (read.error != ShareCodeError::None) { // each refusal says why, in words of its own
            static QMap<int, QString> said;
            said[error] = read.message;
            QVERIFY(read.plan == SharedPlan{} && !read.message.isEmpty());
            QCOMPARE(QSet<QString>(said.cbegin(), said.cend()).size(), said.size());
            return;
        }
        SharedPlan wanted = samplePlan();
        if (text.startsWith(u"brevath1:"))
            wanted.marks = {};
        QVERIFY(read.plan == wanted);
        // The sheet's texts commit to the very numbers the code carries.
        PlanInputs inputs;
        QVERIFY(CommitSheet(SheetTextsOf(read.plan), read.plan.priority, inputs));
        QVERIFY(SharedPlanOf(inputs, read.plan.shown, {}, Catalogue()).sheet == read.plan.sheet);
    }

    // Bodies at the edges of what a code may hold, after a sheet of zeros: the priority, the
    // categories, the goal count and the goals, in hex (81 goals: "51" then "010a", Str 10, 81
    // times); then the code's version (1 names entries without knowing the catalogue: the
    // fixture's has two bows); then what a read gives: refused as damaged, or its last goal's
    // row, or "lacks" one the catalogue lacks. Refused, or lacking one, it changes no row.
    void shareCodeBoundaries()
    {
        const Workspace world = fixtureWorld();
        const QString lacks = u"This share code names 1 goal(s) that the catalogue in force does not hold."_s;
        const QByteArray cases = "05ff0700 2 Goal,000000 2 damaged,060000 2 damaged,03800800 2 damaged,0300[81] 2 10,"
                                 "0300[82] 2 damaged,03000000 2 damaged,030001060a 2 damaged,03000101ffff03 2 65535,"
                                 "03000101808004 2 damaged,030001000101 1 Long,030001000000 1 damaged,"
                                 "030001000b00 1 damaged,0300010001ffffffff07 1 lacks,030002000101000102 1 lacks";
        for (const QByteArray &c : cases.split(',')) {
            const QList<QByteArray> row = c.split(' ');
            const int goals = row[0].contains('[') ? row[0].mid(5, 2).toInt() : 0;
            const QByteArray body = row[0].left(4)
                + (goals ? QByteArray::number(goals, 16) + QByteArray("010a").repeated(goals) : row[0].mid(4));
            const ShareCodeRead read =
                DecodeShareCode(ShareCodeOfBody(QByteArray(13, '\0') + QByteArray::fromHex(body), row[1].toInt()));
            GoalRows rows = FreshGoalRows(world.captions, 16);
            const GoalRows fresh = rows;
            const Outcome applied = ApplySharedGoals(rows, read.plan, world.catalogue, world.captions);
            const QString last = rows.texts[std::max<size_t>(read.plan.goals.size(), 1) - 1].section(u' ', 0, 0);
            QVERIFY2(read.error == (row[2] == "damaged" ? ShareCodeError::Damaged : ShareCodeError::None),
                     c.constData());
            QVERIFY2(row[2] == "damaged" || row[2] == "lacks" ? rows == fresh : last == QLatin1String(row[2]),
                     c.constData());
            QCOMPARE(applied.message, row[2] == "lacks" ? lacks : QString());
        }
    }

    void goalsTranslate_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected"); // the file whose rows the translation gives
        QTest::addColumn<int>("translated");
        QTest::addColumn<int>("others"); // languages that line up with the one in force
        QTest::addColumn<QByteArray>("bow"); // a user's own data: a line added to the French bows, or
            // the first English bow renamed after the first French goal
        QTest::newRow("French mage in German")
            << "german" << example("french_mage") << example("german_mage") << 29 << 2 << QByteArray();
        QTest::newRow("German bowman in English")
            << "english" << example("german_bowman") << example("english_bowman") << 20 << 2 << QByteArray();
        QTest::newRow("English warrior as it is")
            << "english" << example("english_warrior") << example("english_warrior") << 0 << 2 << QByteArray();
        QTest::newRow("French not lined up")
            << "german" << example("french_mage") << example("french_mage") << 0 << 1 << QByteArray("+Arc de plus");
        QTest::newRow("a name at two places") << "german" << example("french_mage") << example("german_mage") << 28 << 2
                                              << QByteArray("Robe de lin du novice");
    }
    void goalsTranslate()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(QString, expected);
        QFETCH(int, translated);
        QFETCH(int, others);
        QFETCH(QByteArray, bow);
        QTemporaryDir dir;
        const QString data = bow.isEmpty() ? kData : dir.path();
        if (!bow.isEmpty()) {
            std::filesystem::copy(kData.toStdString(), data.toStdString(), std::filesystem::copy_options::recursive);
            const bool added = bow.startsWith('+');
            const QString bows = LanguagePaths(data, QLatin1String(added ? "french" : "english")).catalogueFiles[0];
            QByteArray lines = readBytes(bows);
            writeBytes(bows, added ? lines + bow.sliced(1) + "\r\n" : bow + lines.sliced(lines.indexOf('\t')));
        }
        const Workspace world = fixtureWorld(data, language);
        const int types = 1 + kCategoryCount + kStatCount;
        GoalRowsLoad load = ReadGoalRows(file, world.captions, types);
        QVERIFY(load.ok);
        const std::vector<Catalogue> lined = LinedUpCatalogues(data, language, world.catalogue);
        QCOMPARE(int(lined.size()), others);
        QCOMPARE(TranslateGoals(load.rows, world.catalogue, lined, world.captions), translated);
        GoalRows wanted = ReadGoalRows(expected, world.captions, types).rows;
        if (!bow.startsWith('+') && !bow.isEmpty())
            wanted.texts[0] = QString::fromLatin1(bow); // two places: left as it was
        QVERIFY(load.rows == wanted);
    }

    // A code knows the catalogue it was made with: one made in French plays in English; one
    // made where the bows hold one more entry (a user's own data) is refused either way, naming
    // the goals that would name other entries.
    void codesKnowTheirCatalogue()
    {
        QTemporaryDir dir;
        std::filesystem::copy(kData.toStdString(), dir.path().toStdString(), std::filesystem::copy_options::recursive);
        const QString bows = LanguagePaths(dir.path(), u"english"_s).catalogueFiles[0];
        writeBytes(bows, "Own Bow\t1\t0\t0\t0\t0\r\n" + readBytes(bows));
        const Workspace english = fixtureWorld(kData, u"english"_s), french = fixtureWorld(kData, u"french"_s),
                        own = fixtureWorld(dir.path(), u"english"_s);
        const QStringList names = {u"Hazel Shortbow"_s, u"Acolyte's Robe"_s, u"Poacher's Bow"_s};
        const auto code = [&](const Workspace &made) {
            ChoiceList list;
            for (const QString &name : names) // entries line up: an English number is a French one
                list.rows.push_back({(&made == &own ? own : english).catalogue.FindByName(name), 0});
            return DecodeShareCode(EncodeShareCode(SharedPlanOf({}, {}, list, made.catalogue))).plan;
        };
        const QString refused = u"This share code was made with a different catalogue: here its goal(s) 1, 3 may "
                                "name other entries. It was not loaded."_s;
        const struct
        {
            const Workspace &made, &read;
            QString message;
        } cases[] = {{french, english, QString()}, {own, english, refused}, {english, own, refused}};
        for (const auto &c : cases) {
            GoalRows rows = FreshGoalRows(c.read.captions, 16);
            QCOMPARE(ApplySharedGoals(rows, code(c.made), c.read.catalogue, c.read.captions).message, c.message);
            QCOMPARE(rows.texts[2], c.message.isEmpty() ? names[2] : PlaceholderText(c.read.captions, 2));
        }
    }

    // The other languages are read when a row first names nothing in force, then kept until
    // the catalogue is loaded again: a French bow renamed on disk shows when they are read.
    void otherLanguagesReadWhenNeeded()
    {
        QTemporaryDir dir;
        std::filesystem::copy(kData.toStdString(), dir.path().toStdString(), std::filesystem::copy_options::recursive);
        const QString bows = LanguagePaths(dir.path(), u"french"_s).catalogueFiles[0];
        const QByteArray lines = readBytes(bows);
        const auto rename = [&](const QByteArray &name) { writeBytes(bows, name + lines.sliced(lines.indexOf('\t'))); };
        Workspace world = fixtureWorld(dir.path(), u"german"_s);
        const GoalRows inForce = ReadGoalRows(example("german_bowman"), world.captions, 16).rows;
        const auto translated = [&](const char *name) {
            GoalRows rows = inForce;
            rows.texts[0] = QString::fromLatin1(name);
            return TranslateGoals(rows, world.catalogue, world.OtherCatalogues(), world.captions);
        };
        QCOMPARE(translated("Kurzbogen aus Hasel"), 0); // every row in force: nothing read
        rename("Arc un");
        QCOMPARE(translated("Arc un"), 1);
        rename("Arc deux");
        QCOMPARE(translated("Arc deux"), 0);
        world.LoadCatalogue();
        QCOMPARE(translated("Arc deux"), 1);
    }

    // Rows the screen marks: naming nothing (the plan skips them), or an entry of a category
    // that is not ticked (here only bows are).
    void rowsThatNameNothing()
    {
        const Workspace world = fixtureWorld();
        GoalRows rows = FreshGoalRows(world.captions, 16);
        // The text, the statistic its row's type names (0: none; such a row reads its number),
        // whether it names nothing and whether its category is outside the ticked ones.
        QStringList cases =
            u"Club|0|0|1;Long Bow|0|0|0;Clubb|0|1|0;club|0|1|0;|0|0|0;Clubb|3|0|0;Club|3|0|0"_s.split(u';');
        cases << world.captions.entry(Caption::NoEntryItem) + u"|0|0|0"_s
              << PlaceholderText(world.captions, 3) + u"|0|0|0"_s;
        for (const QString &c : cases) {
            const int stat = c.section(u'|', 1, 1).toInt();
            rows.texts[0] = c.section(u'|', 0, 0);
            ChooseType(rows, 0, stat ? 10 + stat : 0);
            const bool namesNothing = RowNamesNothing(rows, 0, world.catalogue, world.captions);
            const bool outside = RowOutsideCategories(rows, 0, world.catalogue, world.captions, 1);
            QCOMPARE(u"%1|%2|%3|%4"_s.arg(rows.texts[0]).arg(stat).arg(int(namesNothing)).arg(int(outside)), c);
        }
    }
};

QTEST_GUILESS_MAIN(TravelTest)
#include "test_travel.moc"
