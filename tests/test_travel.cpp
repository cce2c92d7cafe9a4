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
        const struct
        {
            QString text;
            int stat;
            bool namesNothing, outside;
        } cases[] = {
            {QStringLiteral("Club"), 0, false, true},
            {QStringLiteral("Long Bow"), 0, false, false},
            {QStringLiteral("Clubb"), 0, true, false},
            {QStringLiteral("club"), 0, true, false},
            {QString(), 0, false, false},
            {world.captions.entry(Caption::NoEntryItem), 0, false, false},
            {PlaceholderText(world.captions, 3), 0, false, false},
            {QStringLiteral("Clubb"), Dex, false, false}, // a statistic row reads its number
            {QStringLiteral("Club"), Dex, false, false},
        };
        for (const auto &c : cases) {
            rows.texts[0] = c.text;
            ChooseType(rows, 0, c.stat ? 10 + c.stat : 0);
            QVERIFY2(RowNamesNothing(rows, 0, world.catalogue, world.captions) == c.namesNothing, qPrintable(c.text));
            QVERIFY2(RowOutsideCategories(rows, 0, world.catalogue, world.captions, 1) == c.outside,
                     qPrintable(c.text));
        }
    }
};

QTEST_GUILESS_MAIN(TravelTest)
#include "test_travel.moc"
