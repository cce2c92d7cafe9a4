// A language: its load from the settings file and the paths derived from its word, and the
// catalogue across its files (numbering, lookups by name, failures, reloads). Beneath them, the
// text layer: the 16-bit TAB field positions, the code page, search keys. How each file is read,
// at its worst (numbers and records too), is in the hostile cases; the fields of every data file
// in the fuzz replay.

#include "TestWorld.h"
#include "Catalogue.h"
#include "CaptionTable.h"
#include "LanguageSettings.h"
#include "ProgramPaths.h"
#include "Records.h"
#include "SearchKey.h"
#include "TextFile.h"

#include <QStandardPaths>

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {
const QString kReadFailed = u"Could not read"_s;
} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void languageLoadFromTheSettingsFile()
    {
        Workspace world;
        QTemporaryDir dir;
        const QString settings = SettingsFilePath(dir.path());
        QVERIFY(!LoadLanguageSettings(world, PortablePaths(dir.path()))); // nothing changes on a first run
        QCOMPARE(world.language.catalogueFiles[0], u"");

        QVERIFY(WriteLanguageWord(settings, u"klingon"_s));
        QCOMPARE(readBytes(settings), QByteArray("klingon\r\n"));
        writeBytes(dir.filePath(u"klingon.txt"_s), "\"D\xe9x, \x9c\"\r\n" + QByteArray("E\r\n").repeated(81));
        QCOMPARE(LoadLanguageSettings(world, PortablePaths(dir.path())), std::optional<QStringList>(QStringList()));
        QCOMPARE(world.captions.entry(1), u"Déx, œ"_s);
        QCOMPARE(world.language.catalogueFiles[1], dir.path() + u"/klingon/klingon_robes.txt"_s);
        QCOMPARE(world.LoadCatalogue().size(), kCategoryCount); // one message per missing file
    }

    // Data beside the program keeps everything there; data in ../share/brevath keeps the
    // settings in the user's configuration folder, even when the program's folder holds a
    // Brevath.ini too.
    void theLayoutIsToldByWhereTheDataIs()
    {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(u"bin"_s),
                      config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY(QDir().mkpath(bin));
        writeBytes(bin + u"/Brevath.ini"_s, "english\r\n");
        const ProgramPaths portable = FindProgramPaths(bin);
        QVERIFY(!portable.installed && portable.dataDir == bin && portable.settingsFile() == bin + u"/Brevath.ini"_s);
        QVERIFY(QDir().mkpath(prefix.filePath(u"share/brevath"_s)));
        const ProgramPaths installed = FindProgramPaths(bin);
        QCOMPARE(installed.dataDir, prefix.filePath(u"share/brevath"_s));
        QCOMPARE(installed.settingsFile(), config + u"/brevath/Brevath.ini"_s);
        QVERIFY(installed.installed && !config.isEmpty() && !config.startsWith(prefix.path()));
    }

    void filesNumberOnWithoutGapsAndTheFirstNameIsFound()
    {
        QTemporaryDir dir;
        std::array<QString, kCategoryCount> paths;
        for (int k = 0; k < kCategoryCount; ++k) {
            paths[k] = dir.filePath(u"f%1.txt"_s.arg(k));
            if (k != 2)
                writeBytes(paths[k], QByteArray("Item") + QByteArray::number(k) + "\t1\r\n");
        }
        writeBytes(paths[0], "Twin\t1\r\nOther\r\nTwin\t2\r\n");
        paths[5] = dir.path(); // a folder where a file should be
        Catalogue c;
        const QStringList messages = LoadCatalogue(paths, kReadFailed, c);
        QCOMPARE(messages, (QStringList{kReadFailed + u' ' + paths[2], kReadFailed + u' ' + paths[5]}));
        QCOMPARE((QList<qint64>{c.count(), c.FindByName(u"Twin"_s), c.entry(3).Requirement(1)}),
                 (QList<qint64>{10, 1, 2}));
        QCOMPARE(c.FindByName(u"twin"_s), 0); // exact, case-sensitive
        QCOMPARE(c.entry(5).name, u"Item3"); // numbered on without a gap
        QCOMPARE(c.entry(5).category, 8);
    }

    void reloadReplacesEverything()
    {
        Workspace world = fixtureWorld();
        world.choices.rows.push_back({1, 0});
        world.goals.kinds[4] = 3 * 65536;

        QTemporaryDir dir;
        for (int k = 0; k < kCategoryCount; ++k) {
            world.language.catalogueFiles[k] = dir.filePath(QString::number(k));
            writeBytes(world.language.catalogueFiles[k], k == 8 ? "Bolt\t1\t2\t3\t4\t5\t6\ta\tb\t7" : "Robe\t1");
        }
        QVERIFY(world.LoadCatalogue().isEmpty());
        QCOMPARE(world.catalogue.count(), kCategoryCount);
        QCOMPARE(world.catalogue.entry(9).Requirement(6), 6);
        QCOMPARE(world.catalogue.entry(9).extra, 7);
        QCOMPARE(world.choices.last(), -1);
        QCOMPARE(world.goals.kinds[4], 3 * 65536); // the goal rows stay, for the next build
    }

    void tabFieldPositionsAreSixteenBit()
    {
        int position = 1;
        const QString longest(32766, u'x');
        QCOMPARE(NextTabField(position, longest).size(), 32766);
        QVERIFY_THROWS_EXCEPTION(FieldPositionOverflow, NextTabField(position, longest));
        position = 1;
        QVERIFY_THROWS_EXCEPTION(FieldPositionOverflow, NextTabField(position, QString(32768, u'x')));
    }

    void windows1252RoundTripsEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = DecodeWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(QString(text.at(0xE9)) + text.at(0x9C) + text.at(0x80), QStringLiteral("éœ€"));
        QCOMPARE(EncodeWindows1252(text), all);
    }

    void searchKeysIgnoreCaseAndAccents()
    {
        QCOMPARE(SearchKey(u"FLÈCHE de Pierre"), QStringLiteral("fleche de pierre"));
        QCOMPARE(SearchKey(u"Übungsstäbe"), QStringLiteral("ubungsstabe"));
        QVERIFY(SearchKey(u"Fléchette de pierre").contains(SearchKey(u"CHETTE")));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "test_language.moc"
