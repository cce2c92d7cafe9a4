// Catalogue files: record quirks, numbering, failures and reloads.

#include <QTemporaryDir>
#include <QTest>

#include "TestWorld.h"
#include "Catalogue.h"

using namespace brevath;
using namespace brevath::testing;

namespace {
const QString kReadFailed = QStringLiteral("Could not read");

Catalogue loadOne(const QByteArray &bytes, CategoryFlag category, std::optional<QString> *message = nullptr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cat.txt"));
    writeBytes(path, bytes);
    Catalogue catalogue;
    const std::optional<QString> failure =
        LoadCatalogueFile(path, category, category == kSpellCategory ? 6 : 5, kReadFailed, catalogue);
    if (message)
        *message = failure;
    return catalogue;
}
} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void spellLineReadsLevelAndExtraValue()
    {
        const QByteArray line = "Spark\t0\t0\t0\t12\t15\t7\tfire bolt\tdamage\t30\textra\r\n";
        const Catalogue spells = loadOne(line, kSpellCategory);
        QCOMPARE(spells.count(), 1);
        const CatalogueEntry &spell = spells.entry(1);
        QCOMPARE(spell.name, u"Spark");
        QCOMPARE(spell.requirement, (std::array<std::int32_t, 6>{0, 0, 0, 12, 15, 7}));
        QCOMPARE(spell.extra, 30);
        QCOMPARE(spell.category, kSpellCategory);

        const Catalogue bows = loadOne(line, 1);
        QCOMPARE(bows.entry(1).requirement, (std::array<std::int32_t, 6>{0, 0, 0, 12, 15, 0}));
        QCOMPARE(bows.entry(1).extra, 0);
    }

    void recordQuirks()
    {
        const Catalogue c = loadOne("Bow only\r\nAxe\t1.5\t2.5\t-3\tword\t3.5\r\nA,B\t4\r\n\r\nLast\t9", 4);
        QCOMPARE(c.count(), 6);
        QCOMPARE(c.entry(1).requirement, (std::array<std::int32_t, 6>{}));
        QCOMPARE(c.entry(2).requirement, (std::array<std::int32_t, 6>{2, 2, -3, 0, 4, 0}));
        QCOMPARE(c.entry(3).name, u"A"); // a comma ends the record: two entries
        QCOMPARE(c.entry(4).name, u"B");
        QCOMPARE(c.entry(4).Requirement(1), 4);
        QCOMPARE(c.entry(5).name, u""); // an empty line is an entry with an empty name
        QCOMPARE(c.entry(6).Requirement(1), 9);
        QCOMPARE(c.entry(0).name, u"");
        QCOMPARE(c.entry(0).category, 0);
    }

    void emptyFileAndTrailingEmptyLine()
    {
        QCOMPARE(loadOne("", 1).count(), 0);
        const Catalogue c = loadOne("Bow\t1\r\n\r\n", 1);
        QCOMPARE(c.count(), 2);
        QCOMPARE(c.entry(2).name, u"");
    }

    void duplicateNamesKeepTheirNumbersAndTheFirstIsFound()
    {
        const Catalogue c = loadOne("Twin\t1\r\nOther\r\nTwin\t2\r\n", 1);
        QCOMPARE(c.count(), 3);
        QCOMPARE(c.FindByName(QStringLiteral("Twin")), 1);
        QCOMPARE(c.entry(3).Requirement(1), 2);
        QCOMPARE(c.FindByName(QStringLiteral("twin")), 0); // exact, case-sensitive
    }

    void failingRecordIsDroppedAndOthersStay()
    {
        std::optional<QString> message;
        const Catalogue c = loadOne("Good\t1\r\nBad\t99999999999\r\nNever\r\n", 1, &message);
        QCOMPARE(c.count(), 1);
        QVERIFY(message && message->startsWith(kReadFailed + u' '));
        QVERIFY(message->endsWith(QStringLiteral("cat.txt")));

        const Catalogue tooLong = loadOne("Good\r\n" + QByteArray(40000, 'x') + "\r\n", 1, &message);
        QCOMPARE(tooLong.count(), 1);
        QVERIFY(message.has_value());
    }

    void missingFileIsReportedAndTheOthersLoadWithoutGaps()
    {
        QTemporaryDir dir;
        std::array<QString, kCategoryCount> paths;
        for (int k = 0; k < kCategoryCount; ++k) {
            paths[k] = dir.filePath(QStringLiteral("f%1.txt").arg(k));
            if (k != 2)
                writeBytes(paths[k], QByteArray("Item") + QByteArray::number(k) + "\t1\r\n");
        }
        QDir().mkpath(paths[5] + QStringLiteral("x"));
        paths[5] += QStringLiteral("x"); // a folder where a file should be
        Catalogue c;
        const QStringList messages = LoadCatalogue(paths, kReadFailed, c);
        QCOMPARE(messages, (QStringList{kReadFailed + u' ' + paths[2], kReadFailed + u' ' + paths[5]}));
        QCOMPARE(c.count(), 8);
        QCOMPARE(c.entry(1).category, 1);
        QCOMPARE(c.entry(2).category, 2);
        QCOMPARE(c.entry(3).name, u"Item3"); // numbered on without a gap
        QCOMPARE(c.entry(3).category, 8);
    }

    void reloadReplacesEverything()
    {
        Workspace world = fixtureWorld();
        const int fixtureCount = world.catalogue.count();
        QVERIFY(fixtureCount > 5);
        world.choices.rows.push_back({1, 0, true});
        world.goals.kinds[4] = 3 * 65536;
        world.results.setRow(7, ResultRow{QStringLiteral("x")});

        QTemporaryDir dir;
        for (int k = 0; k < kCategoryCount; ++k) {
            world.language.catalogueFiles[k] = dir.filePath(QString::number(k));
            writeBytes(world.language.catalogueFiles[k], k == 8 ? "Bolt\t1\t2\t3\t4\t5\t6\ta\tb\t7" : "Robe\t1");
        }
        QVERIFY(world.LoadCatalogue().isEmpty());
        QCOMPARE(world.catalogue.count(), kCategoryCount);
        QCOMPARE(world.catalogue.entry(1).Requirement(6), 0);
        QCOMPARE(world.catalogue.entry(9).Requirement(6), 6);
        QCOMPARE(world.catalogue.entry(9).extra, 7);
        QCOMPARE(world.choices.last(), -1);
        QCOMPARE(world.goals.kinds[4], 0);
        QCOMPARE(world.results.row(7)[0], u"");
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "test_catalogue.moc"
