// Captions, the settings file and the paths derived from the language word.

#include <QTemporaryDir>
#include <QTest>

#include "TestWorld.h"
#include "CaptionTable.h"
#include "LanguageSettings.h"

using namespace brevath;
using namespace brevath::testing;

namespace {
QByteArray captionLines(int count, const QByteArray &prefix = "E")
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += prefix + QByteArray::number(n) + "\r\n";
    return bytes;
}
} // namespace

class I18nTest : public QObject
{
    Q_OBJECT

private slots:
    void captionFileFillsEveryEntryAndIgnoresMore()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.txt"));
        writeBytes(path, captionLines(83) + "\"Dext\xe9rit\xe9, \x9cil\"\r\n");
        CaptionTable table;
        QVERIFY(!LoadCaptionFile(path, table));
        QCOMPARE(table.entry(1), u"E1");
        QCOMPARE(table.entry(82), u"E82");
    }

    void commaShiftsEntriesUnlessQuoted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.txt"));
        writeBytes(path, "Points de Vie,PV\r\n\"D\xe9x, \x9c\"\r\n" + captionLines(80));
        CaptionTable table;
        QVERIFY(!LoadCaptionFile(path, table));
        QCOMPARE(table.entry(1), u"Points de Vie");
        QCOMPARE(table.entry(2), u"PV");
        QCOMPARE(table.entry(3), QStringLiteral("Déx, œ"));
        QCOMPARE(table.entry(4), u"E1");
    }

    void shortOrMissingFileKeepsWhatItCouldNotRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("short.txt"));
        writeBytes(path, captionLines(81, "New") + "");
        CaptionTable table;
        table.setEntry(82, QStringLiteral("old 82"));
        table.setEntry(5, QStringLiteral("old 5"));
        QCOMPARE(LoadCaptionFile(path, table), std::optional<QString>(QStringLiteral("Unable to open language file ") + path));
        QCOMPARE(table.entry(5), u"New5");
        QCOMPARE(table.entry(81), u"New81");
        QCOMPARE(table.entry(82), u"old 82");

        const QString missing = dir.filePath(QStringLiteral("none.txt"));
        QCOMPARE(LoadCaptionFile(missing, table), std::optional<QString>(QStringLiteral("Unable to open language file ") + missing));
        QCOMPARE(table.entry(5), u"New5");
        QCOMPARE(CaptionTable().entry(33), u""); // the table starts empty
    }

    void settingsFileFirstRecordOnly()
    {
        QTemporaryDir dir;
        const QString path = SettingsFilePath(dir.path());
        QCOMPARE(path, dir.path() + QStringLiteral("/Brevath.ini"));
        QVERIFY(!ReadLanguageWord(path)); // no settings file: first run

        writeBytes(path, "french,german\r\nenglish\r\n");
        QCOMPARE(ReadLanguageWord(path), std::optional<QString>(QStringLiteral("french")));
        writeBytes(path, "\"French\"\r\n");
        QCOMPARE(ReadLanguageWord(path), std::optional<QString>(QStringLiteral("French"))); // not folded
        writeBytes(path, "\r\nenglish\r\n");
        QCOMPARE(ReadLanguageWord(path), std::optional<QString>(QStringLiteral("")));
        writeBytes(path, "");
        QVERIFY(!ReadLanguageWord(path)); // an empty file holds no record

        QVERIFY(WriteLanguageWord(path, QStringLiteral("english")));
        QCOMPARE(readBytes(path), QByteArray("english\r\n"));
    }

    void settingsWriteFailureKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = SettingsFilePath(dir.path());
        writeBytes(path, "german\r\n");
        writeBytes(dir.filePath(QStringLiteral("blocker")), "a file, not a folder");
        QVERIFY(!WriteLanguageWord(dir.filePath(QStringLiteral("blocker/Brevath.ini")), QStringLiteral("french")));
        QVERIFY(!WriteLanguageWord(dir.path(), QStringLiteral("french"))); // a folder at the path
        QCOMPARE(readBytes(path), QByteArray("german\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left
    }

    void pathsFromTheLanguageWord()
    {
        const LanguageSettings french = LanguagePaths(QStringLiteral("/opt/b"), QStringLiteral("french"));
        QCOMPARE(french.captionFile, u"/opt/b/french.txt");
        QCOMPARE(french.catalogueFiles[0], u"/opt/b/french/french_arcs.txt");
        QCOMPARE(french.catalogueFiles[8], u"/opt/b/french/french_sorts.txt");
        QCOMPARE(french.catalogueFiles[9], u"/opt/b/french/french_armuresspeciales.txt");

        const LanguageSettings empty = LanguagePaths(QStringLiteral("/opt/b"), QString());
        QCOMPARE(empty.captionFile, u"/opt/b/.txt");
        QCOMPARE(empty.catalogueFiles[0], u"/opt/b//_arcs.txt");
    }

    void languageLoadFromTheSettingsFile()
    {
        Workspace world;
        QTemporaryDir dir;
        QVERIFY(!LoadLanguageSettings(world, dir.path())); // nothing changes on a first run
        QCOMPARE(world.language.catalogueFiles[0], u"");

        writeBytes(SettingsFilePath(dir.path()), "klingon\r\n");
        const std::optional<QStringList> messages = LoadLanguageSettings(world, dir.path());
        QVERIFY(messages);
        QCOMPARE(*messages, QStringList{QStringLiteral("Unable to open language file ") + dir.path() + QStringLiteral("/klingon.txt")});
        QCOMPARE(world.language.catalogueFiles[1], dir.path() + QStringLiteral("/klingon/klingon_robes.txt"));
        QCOMPARE(world.LoadCatalogue().size(), kCategoryCount); // one message per missing file
    }
};

QTEST_GUILESS_MAIN(I18nTest)
#include "test_i18n.moc"
