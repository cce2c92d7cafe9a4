// Files that others pass around, at their worst: every case gives the player the message
// the product promises (or plays on soundly), nothing crashes or hangs, and no file that
// was already there is lost.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "PlanProcess.h"
#include "TestWorld.h"
#include "ChoiceFile.h"
#include "Records.h"
#include "HtmlExport.h"
#include "TextExport.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

// The promise is a second a case; the watchdog leaves room for sanitizers and a busy machine.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kWatchdogMs = 30000;
#else
constexpr qint64 kWatchdogMs = 10000;
#endif

// The bytes of a literal, NULs included.
template <size_t N>
QByteArray raw(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QByteArray lines(const QByteArray &line, int count)
{
    return line.repeated(count);
}

QByteArray garbage(int size)
{
    QRandomGenerator random(20261206);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

QByteArray numberedLines(const char *format, int first, int last)
{
    QByteArray bytes;
    for (int n = first; n <= last; ++n)
        bytes += QByteArray(format).replace("%n", QByteArray::number(n));
    return bytes;
}

// A caption file of the fixture language with entry n replaced.
QByteArray captionsWith(int n, const QByteArray &entry)
{
    QList<QByteArray> entries = readBytes(fixturePath(QStringLiteral("testland.txt"))).split('\n');
    entries[n - 1] = entry + '\r';
    return entries.join('\n');
}

// Paths at which a reader finds no readable file, though something stands there.
QList<std::pair<QString, QString>> unreadablePaths(const QTemporaryDir &dir)
{
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    writeBytes(dir.filePath(QStringLiteral("plain")), "a file, not a folder");
    QFile::link(dir.filePath(QStringLiteral("nowhere")), dir.filePath(QStringLiteral("dangling")));
    mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600);
    QFile::link(dir.filePath(QStringLiteral("loop")), dir.filePath(QStringLiteral("loop2")));
    QFile::link(dir.filePath(QStringLiteral("loop2")), dir.filePath(QStringLiteral("loop")));
    QFile huge(dir.filePath(QStringLiteral("huge")));
    if (!huge.open(QIODevice::WriteOnly) || !huge.resize(qint64(100) << 30))
        qFatal("cannot make a sparse file");
    QList<std::pair<QString, QString>> paths = {
        {QStringLiteral("a folder"), dir.filePath(QStringLiteral("folder"))},
        {QStringLiteral("below a file"), dir.filePath(QStringLiteral("plain/inside.txt"))},
        {QStringLiteral("a dangling link"), dir.filePath(QStringLiteral("dangling"))},
        {QStringLiteral("a pipe no one writes to"), dir.filePath(QStringLiteral("fifo"))},
        {QStringLiteral("a device without end"), QStringLiteral("/dev/zero")},
        {QStringLiteral("100 GB, sparse"), dir.filePath(QStringLiteral("huge"))},
        {QStringLiteral("a loop of links"), dir.filePath(QStringLiteral("loop"))},
        {QStringLiteral("nothing"), dir.filePath(QStringLiteral("missing.txt"))}};
    // Permissions stop everyone but root, who runs the tests in CI.
    if (geteuid() != 0) {
        writeBytes(dir.filePath(QStringLiteral("locked")), "english\r\n");
        QFile::setPermissions(dir.filePath(QStringLiteral("locked")), {});
        paths.append({QStringLiteral("no permission"), dir.filePath(QStringLiteral("locked"))});
    }
    return paths;
}

// A copy of the fixture language that a case can spoil one file of.
void copyFixtureLanguage(const QTemporaryDir &dir)
{
    QDir(dir.path()).mkdir(QStringLiteral("testland"));
    QVERIFY(QFile::copy(fixturePath(QStringLiteral("testland.txt")), dir.filePath(QStringLiteral("testland.txt"))));
    for (const char *suffix : kCatalogueSuffixes) {
        const QString name = QStringLiteral("testland/testland") + QLatin1String(suffix);
        QVERIFY(QFile::copy(fixturePath(name), dir.filePath(name)));
    }
}

using Run = PlanProcessRun;

Run plan(const QStringList &arguments, const std::function<void()> &inChild = {})
{
    return runPlanProcess(arguments, kWatchdogMs, inChild);
}

// Writes past this many bytes fail with EFBIG, as on a full disk, for as long as it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_ok = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool ok() const { return m_ok; }

    static void applyInChild(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};

QStringList folderEntries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class HostileTest : public QObject
{
    Q_OBJECT

    QElapsedTimer m_watchdog;

private slots:
    void init() { m_watchdog.start(); }
    void cleanup() { QVERIFY2(m_watchdog.elapsed() < kWatchdogMs, "a hostile input took far too long"); }

    void catalogueFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<int>("count");    // -1: whatever the records make
        QTest::addColumn<QString>("name"); // of the last entry
        QTest::addColumn<int>("str");      // its Str requirement

        QTest::newRow("NUL bytes") << raw("Cl\0ub\t2\0" "7\t5\r\n") << false << 1
                                   << QString::fromUtf16(u"Cl\0ub", 5) << 2;
        QTest::newRow("no line end") << QByteArray("Club\t20") << false << 1 << "Club" << 20;
        QTest::newRow("CR alone") << QByteArray("A\t1\rB\t2\r") << false << 2 << "B" << 2;
        QTest::newRow("LF alone") << QByteArray("A\t1\nB\t2\n") << false << 2 << "B" << 2;
        QTest::newRow("100 kB record") << QByteArray(100000, 'x') + "\t5\r\n" << true << 0 << "" << 0;
        QTest::newRow("100 kB record after a good one")
            << "Club\t20\r\n" + QByteArray(100000, 'x') + "\r\nAxe\t9\r\n" << true << 1 << "Club" << 20;
        QTest::newRow("a million empty lines") << lines("\r\n", 1000000) << false << 1000000 << "" << 0;
        QTest::newRow("unclosed double quote") << QByteArray("\"Club\t5\r\nSword\t3\r\n") << false << 1 << "Club" << 5;
        QTest::newRow("1e309") << QByteArray("Club\t1e309\r\n") << true << 0 << "" << 0;
        QTest::newRow("-0") << QByteArray("Club\t-0\r\n") << false << 1 << "Club" << 0;
        QTest::newRow("&HFFFFFFFFFFFF") << QByteArray("Club\t&HFFFFFFFFFFFF\r\n") << true << 0 << "" << 0;
        QTest::newRow("&HFFFF") << QByteArray("Club\t&HFFFF\r\n") << false << 1 << "Club" << 65535;
        QTest::newRow("99999999999") << QByteArray("Axe\t1\r\nClub\t99999999999\r\n") << true << 1 << "Axe" << 1;
        QTest::newRow("100,000 entries") << numberedLines("Item %n\t%n\t0\t0\t0\t0\r\n", 1, 100000) << false
                                         << 100000 << "Item 100000" << 100000;
        QTest::newRow("binary garbage") << garbage(65536) << false << -1 << "" << 0;
    }
    void catalogueFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fails);
        QFETCH(int, count);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("testland_arcs.txt"));
        writeBytes(path, bytes);
        Catalogue catalogue;
        const std::optional<QString> failure =
            LoadCatalogueFile(path, CategoryFlagOf(1), 5, QStringLiteral("Could not read"), catalogue);
        if (count < 0) { // garbage: a whole load, or the message and the entries read before it
            QVERIFY(!failure || *failure == QStringLiteral("Could not read ") + path);
            return;
        }
        QCOMPARE(bool(failure), fails);
        if (failure)
            QCOMPARE(*failure, QStringLiteral("Could not read ") + path);
        QCOMPARE(catalogue.count(), count);
        if (count > 0) {
            QTEST(catalogue.entry(count).name, "name");
            QTEST(catalogue.entry(count).Requirement(1), "str");
        }
    }

    void spellValuesOutOfRangeFailTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sorts.txt"));
        writeBytes(path, "Spark\t0\t0\t0\t12\t15\t7\tfire\tbolt\t30\r\nNova\t0\t0\t0\t0\t0\t1e309\r\n");
        Catalogue catalogue;
        QCOMPARE(LoadCatalogueFile(path, kSpellCategory, 6, QStringLiteral("Could not read"), catalogue),
                 std::optional<QString>(QStringLiteral("Could not read ") + path));
        QCOMPARE(catalogue.count(), 1);
        QCOMPARE(catalogue.entry(1).extra, 30);
    }

    void unreadableFilesGiveTheirMessage()
    {
        QTemporaryDir dir;
        for (const auto &[what, path] : unreadablePaths(dir)) {
            Catalogue catalogue;
            QCOMPARE(LoadCatalogueFile(path, 1, 5, QStringLiteral("Could not read"), catalogue),
                     std::optional<QString>(QStringLiteral("Could not read ") + path));

            CaptionTable captions;
            captions.setEntry(82, QStringLiteral("kept"));
            QCOMPARE(LoadCaptionFile(path, captions),
                     std::optional<QString>(QStringLiteral("Unable to open language file ") + path));
            QCOMPARE(captions.entry(82), u"kept");

            QVERIFY2(!ReadLanguageWord(path), qPrintable(what));
            const ChoiceFileLoad load = ReadChoiceFile(path, fixtureWorld().captions);
            QVERIFY2(!load.ok, qPrintable(what));
            QCOMPARE(load.message, QStringLiteral("Could not read ") + path);
        }

        // Refusing what is not a regular file still reads through a link to one.
        const QString link = dir.filePath(QStringLiteral("link.txt"));
        QVERIFY(QFile::link(fixturePath(QStringLiteral("testland.txt")), link));
        CaptionTable captions;
        QCOMPARE(LoadCaptionFile(link, captions), std::nullopt);
        QCOMPARE(captions.entry(Caption::PlaceholderWord), u"Goal");
    }

    void captionFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<int>("probe");     // an entry to look at
        QTest::addColumn<QString>("text");  // what it then holds

        const QByteArray fixture = readBytes(fixturePath(QStringLiteral("testland.txt")));
        QTest::newRow("NUL bytes") << captionsWith(33, raw("Go\0al")) << false << 33
                                   << QString::fromUtf16(u"Go\0al", 5);
        QTest::newRow("no line end") << fixture.chopped(2) << false << 82 << "Intelligence";
        QTest::newRow("CR alone") << QByteArray(fixture).replace("\r\n", "\r") << false << 82 << "Intelligence";
        QTest::newRow("LF alone") << QByteArray(fixture).replace("\r\n", "\n") << false << 82 << "Intelligence";
        QTest::newRow("100 kB record") << captionsWith(1, QByteArray(100000, 'c')) << false << 1
                                       << QString(100000, u'c');
        QTest::newRow("a million empty lines") << lines("\r\n", 1000000) << false << 82 << "";
        QTest::newRow("81 records") << fixture.left(fixture.lastIndexOf("Intelligence")) << true << 82 << "old";
        QTest::newRow("unclosed double quote") << captionsWith(5, "\"Endurance") << true << 6 << "old";
        QTest::newRow("a comma splits a caption") << captionsWith(5, "Endur,ance") << false << 6 << "ance";
        QTest::newRow("binary garbage") << garbage(65536) << false << 0 << "";
    }
    void captionFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fails);
        QFETCH(int, probe);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("testland.txt"));
        writeBytes(path, bytes);
        CaptionTable captions;
        for (int n = 1; n <= CaptionTable::kEntries; ++n)
            captions.setEntry(n, QStringLiteral("old"));
        const std::optional<QString> failure = LoadCaptionFile(path, captions);
        if (probe == 0) { // garbage: the message exactly when it holds fewer than 82 records
            const QString text = DecodeWindows1252(bytes);
            RecordReader reader(text);
            int records = 0;
            while (records < CaptionTable::kEntries && reader.ReadRecord())
                ++records;
            QCOMPARE(bool(failure), records < CaptionTable::kEntries);
            return;
        }
        QCOMPARE(bool(failure), fails);
        if (failure)
            QCOMPARE(*failure, QStringLiteral("Unable to open language file ") + path);
        QTEST(captions.entry(probe), "text");
    }

    void settingsFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("word");

        QTest::newRow("NUL bytes") << raw("eng\0lish\r\n") << "<none>";
        QTest::newRow("no line end") << QByteArray("french") << "french";
        QTest::newRow("CR alone") << QByteArray("french\rgerman\r") << "french";
        QTest::newRow("LF alone") << QByteArray("french\ngerman\n") << "french";
        QTest::newRow("100 kB record") << QByteArray(100000, 'w') << "<none>";
        QTest::newRow("a million empty lines") << lines("\r\n", 1000000) << "";
        QTest::newRow("unclosed double quote runs to the end") << QByteArray("\"french\r\n") << "french\r\n";
        QTest::newRow("binary garbage, up to its first delimiter")
            << raw("\x81\x8d\x8f\x90\x9d\xff\x01,\r\n") << QString::fromUtf16(u"\x81\x8d\x8f\x90\x9d\xff\x01");
    }
    void settingsFile()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = SettingsFilePath(dir.path());
        writeBytes(path, bytes);
        QTEST(ReadLanguageWord(path).value_or(QStringLiteral("<none>")), "word");
    }

    void hostileSettingsPlayOnThroughThePlanner()
    {
        QTemporaryDir dir;
        copyFixtureLanguage(dir);
        const QString choices = dir.filePath(QStringLiteral("choices.txt"));
        writeBytes(choices, "0\tClub\r\n");
        const QStringList args = {QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--level"),
                                  QStringLiteral("190"), choices};

        writeBytes(SettingsFilePath(dir.path()), "testland,english\r\n");
        Run run = plan(args);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY(run.out.contains("\tClub\t"));

        // A word no file name could hold plays the default language, whose files are missing here:
        // each said once, and the plan is empty.
        writeBytes(SettingsFilePath(dir.path()), QByteArray(100000, 'w'));
        run = plan(args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(QStringLiteral("Unable to open language file ")), 1);
        QCOMPARE(run.err.count(u'\n'), 1 + kCategoryCount);
        QCOMPARE(run.out, QByteArray("\t\t\t\t\t\t\t\t\t\t\t\r\n"));

        // Unreadable or empty: no message, the default language.
        QFile::remove(SettingsFilePath(dir.path()));
        QDir(dir.path()).mkdir(QStringLiteral("Brevath.ini"));
        run = plan(args);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.startsWith(QStringLiteral("Unable to open language file ") + dir.path() + QStringLiteral("/english.txt")));
    }

    void choiceFileThroughThePlanner_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");      // %1: the choice file's path
        QTest::addColumn<QByteArray>("shows"); // in the text export, when it runs
        QTest::addColumn<QByteArray>("lacks");

        const auto add = [](const char *tag, const QByteArray &bytes, int exitCode, const QString &err,
                            const char *shows = "", const char *lacks = "") {
            QTest::newRow(tag) << bytes << exitCode << err << QByteArray(shows) << QByteArray(lacks);
        };
        const QString unreadable = QStringLiteral("Could not read %1");
        const QString refused = QStringLiteral("That number cannot be used.");
        const char *noLevelOne = "\r\n1\t"; // an empty plan: the header line alone
        add("NUL bytes", raw("0\tClub\0\r\n1\t2\0" "5\r\n"), 0, {}, "Strength : 2\t", "Club");
        add("no line end", "1\t20", 0, {}, "Strength : 20");
        add("CR alone", "0\tClub\r1\t30\r", 0, {}, "\tClub");
        add("LF alone", "0\tClub\n1\t30\n", 0, {}, "Strength : 30");
        add("100 kB record", "0\t" + QByteArray(100000, 'x'), 1, unreadable);
        add("a million empty lines", lines("\r\n", 1000000), 0, {}, "Level\t", noLevelOne);
        add("unclosed double quote", "\"0\tClub\r\n1\t20\r\n", 0, {}, "Level\t", noLevelOne);
        add("1e309 as a statistic", "1e309\t5\r\n", 1, unreadable);
        add("1e309 as a value", "1\t1e309\r\n", 1, refused);
        add("-0 as a kind", "-0\tClub\r\n", 0, {}, "\tClub");
        add("-0 as a value", "2\t-0\r\n", 0, {}, "Endurance : 0");
        add("&HFFFFFFFFFFFF as a value", "1\t&HFFFFFFFFFFFF\r\n", 1, refused);
        add("&HFFFFFFFFFFFF as a kind", "&HFFFFFFFFFFFF\t1\r\n", 1, unreadable);
        add("99999999999 as a value", "1\t99999999999\r\n", 1, refused);
        add("65536 as a value", "1\t65536\r\n", 1, refused);
        add("a negative kind is a catalogue row", "-3\tClub\r\n", 0, {}, "\tClub");
        add("200 lines, 81 read", numberedLines("1\t%n\r\n", 1, 200), 0, {}, "Strength : 81", "Strength : 82");
        add("statistic 6", "0\tClub\r\n6\t30\r\n", 1, unreadable);
        add("5.5 rounds to statistic 5", "5.5\t30\r\n", 0, {}, "Intelligence : 30");
        add("binary garbage", garbage(65536), -1, {});
    }
    void choiceFileThroughThePlanner()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QByteArray, shows);
        QFETCH(QByteArray, lacks);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("choices.txt"));
        writeBytes(path, bytes);
        const Run run = plan(onFixtureLanguage({QStringLiteral("--str"), QStringLiteral("1"), path}));
        if (exitCode < 0) { // garbage: a plan, or the load failure; never anything else
            QVERIFY2(run.exitCode == 0 || run.exitCode == 1, qPrintable(run.err));
            if (run.exitCode == 1)
                QVERIFY(run.err == QStringLiteral("Could not read %1\n").arg(path)
                        || run.err == QStringLiteral("That number cannot be used.\n"));
            return;
        }
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.trimmed(), QString(err).replace(QStringLiteral("%1"), path));
        QVERIFY2(run.out.contains(shows), run.out.left(2000).constData());
        if (!lacks.isEmpty())
            QVERIFY(!run.out.contains(lacks));
        QCOMPARE(readBytes(path), bytes); // reading never touches the file
    }

    void unreadableChoiceFileThroughThePlanner()
    {
        QTemporaryDir dir;
        for (const auto &[what, path] : unreadablePaths(dir)) {
            const Run run = plan(onFixtureLanguage({path}));
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.err, QStringLiteral("Could not read %1\n").arg(path));
        }
    }

    void hostileDataFolderThroughThePlanner()
    {
        QTemporaryDir dir;
        copyFixtureLanguage(dir);
        const QString bows = dir.filePath(QStringLiteral("testland/testland_arcs.txt"));
        const QString choices = dir.filePath(QStringLiteral("choices.txt"));
        const QStringList args = {QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--language"),
                                  QStringLiteral("testland"), QStringLiteral("--level"), QStringLiteral("197"), choices};

        // Entry numbers past 16 bits plan like any other.
        writeBytes(bows, numberedLines("Bow %n\t0\t0\t0\t0\t0\r\n", 1, 100000));
        writeBytes(choices, "0\tBow 100000\r\n");
        Run run = plan(args);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QVERIFY(run.out.contains("\tBow 100000\t"));

        // A caption file of 81 records: its message, the entries it gave, and the plan goes on.
        const QByteArray captions = readBytes(fixturePath(QStringLiteral("testland.txt")));
        writeBytes(dir.filePath(QStringLiteral("testland.txt")), captions.left(captions.lastIndexOf("Intelligence")));
        writeBytes(choices, "5\t10\r\n");
        run = plan(args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QStringLiteral("Unable to open language file %1/testland.txt\n").arg(dir.path()));
        QVERIFY(run.out.contains("\t : 10\t")); // entry 82, the label of Int, never came

        // A folder and a pipe in place of catalogue files: one message each, the rest loads.
        QFile::remove(bows);
        QDir().mkdir(bows);
        const QString weapons = dir.filePath(QStringLiteral("testland/testland_armes.txt"));
        QFile::remove(weapons);
        QCOMPARE(mkfifo(QFile::encodeName(weapons).constData(), 0600), 0);
        writeBytes(dir.filePath(QStringLiteral("testland.txt")), captions);
        writeBytes(choices, "0\tClub\r\n0\tBone Amulet\r\n");
        run = plan(args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QStringLiteral("Could not read %1\nCould not read %2\n").arg(bows, weapons));
        QVERIFY(run.out.contains("\tBone Amulet\t"));
        QVERIFY(!run.out.contains("Club"));
    }

    void sheetNumbersThroughThePlanner_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QByteArray>("shows");

        QTest::newRow("1e309") << "--str" << "1e309" << true << QByteArray();
        QTest::newRow("-0") << "--level" << "-0" << false << QByteArray("\r\n0\t");
        QTest::newRow("&HFFFFFFFFFFFF") << "--hp" << "&HFFFFFFFFFFFF" << true << QByteArray();
        QTest::newRow("&H7FFFFFFF") << "--hp" << "&H7FFFFFFF" << false << QByteArray("\t2147483647\t");
        QTest::newRow("99999999999") << "--int" << "99999999999" << true << QByteArray();
        QTest::newRow("level -2") << "--level" << "-2" << true << QByteArray();
        QTest::newRow("level -1") << "--level" << "-1" << false << QByteArray("\r\n-1\t");
        QTest::newRow("lowest Str") << "--str" << "-2147483648" << false << QByteArray("\t-2147483648\t");
    }
    void sheetNumbersThroughThePlanner()
    {
        QFETCH(QString, option);
        QFETCH(QString, value);
        QFETCH(bool, refused);
        QFETCH(QByteArray, shows);
        const Run run = plan(onFixtureLanguage({option, value, fixturePath(QStringLiteral("golden_plan.txt"))}));
        QCOMPARE(run.exitCode, refused ? 1 : 0);
        QCOMPARE(run.err, refused ? QStringLiteral("That number cannot be used.\n") : QString());
        QVERIFY(run.out.contains(shows));
    }

    void savesThatFailMidwayKeepTheOldFile()
    {
        Workspace w = fixtureWorld();
        w.inputs.SDLevel = 1;
        w.inputs.Priority = 3;
        w.goals.kinds[1] = 65536;
        const auto rows = rowTexts(w.captions, {QStringLiteral("Club"), QStringLiteral("30")});
        const PlanRun run = MakePlan(w, rows);
        QVERIFY(run.ok);
        const int n = int(run.rows.size());

        QTemporaryDir dir;
        const QByteArray old = "what was there before\r\n";
        const QString choices = dir.filePath(QStringLiteral("choices.txt"));
        const QString txt = dir.filePath(QStringLiteral("plan.txt"));
        const QString html = dir.filePath(QStringLiteral("plan.html"));
        const QString settings = SettingsFilePath(dir.path());
        for (const QString &path : {choices, txt, html, settings})
            writeBytes(path, old);
        const QStringList before = folderEntries(dir.path());
        {
            FileSizeLimit limit(8);
            QVERIFY(limit.ok());
            SaveOutcome outcome = SaveChoiceFile(choices, rows, w.goals.kinds, w.choices, w.catalogue, w.captions);
            QCOMPARE(outcome.ok, false);
            QCOMPARE(outcome.message, QStringLiteral("Could not save ") + choices);
            outcome = SaveTxt(txt, w.results, n, w.captions);
            QCOMPARE(outcome.ok, false);
            QCOMPARE(outcome.message, QStringLiteral("Could not save to ") + txt);
            outcome = SaveHtml(html, w.results, n, w.captions);
            QCOMPARE(outcome.ok, false);
            QCOMPARE(outcome.message, QStringLiteral("Could not save to ") + html);
            QVERIFY(!WriteLanguageWord(settings, QStringLiteral("a word longer than the limit")));
        }
        for (const QString &path : {choices, txt, html, settings})
            QCOMPARE(readBytes(path), old);
        QCOMPARE(folderEntries(dir.path()), before); // no temporary file left behind

        // The same saves with room to write succeed, so the failures above came from the limit.
        QVERIFY(SaveChoiceFile(choices, rows, w.goals.kinds, w.choices, w.catalogue, w.captions).ok);
        QVERIFY(SaveTxt(txt, w.results, n, w.captions).ok);
        QVERIFY(SaveHtml(html, w.results, n, w.captions).ok);
        QVERIFY(WriteLanguageWord(settings, QStringLiteral("a word longer than the limit")));
        QCOMPARE(readBytes(choices), QByteArray("0\tClub\r\n1\t30\r\n"));
        QCOMPARE(folderEntries(dir.path()), before);
    }

    void savesIntoFoldersThatCannotBeWritten()
    {
        Workspace w = fixtureWorld();
        const auto rows = rowTexts(w.captions, {QStringLiteral("Club")});
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("plain")), "a file, not a folder");
        QDir(dir.path()).mkdir(QStringLiteral("taken"));
        QStringList targets = {dir.filePath(QStringLiteral("plain/out.txt")), dir.filePath(QStringLiteral("missing/out.txt")),
                               dir.filePath(QStringLiteral("taken")), QString()};
        // A pipe or a device at the path must stay one: a save once renamed a file over /dev/null.
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        targets << fifo;
        const QString device = dir.filePath(QStringLiteral("null")); // a private /dev/null, made where root may
        const bool haveDevice = mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        if (haveDevice)
            targets << device;
        const QString link = dir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(haveDevice ? device : fifo, link));
        targets << link;
        const QStringList before = folderEntries(dir.path());
        for (const QString &path : std::as_const(targets)) {
            QCOMPARE(SaveChoiceFile(path, rows, w.goals.kinds, w.choices, w.catalogue, w.captions).message,
                     QStringLiteral("Could not save ") + path);
            QCOMPARE(SaveTxt(path, w.results, 0, w.captions).message, QStringLiteral("Could not save to ") + path);
            QCOMPARE(SaveHtml(path, w.results, 0, w.captions).message, QStringLiteral("Could not save to ") + path);
            QVERIFY(!WriteLanguageWord(path, QStringLiteral("english")));
        }
        QCOMPARE(folderEntries(dir.path()), before);
        QCOMPARE(folderEntries(dir.filePath(QStringLiteral("taken"))), QStringList());
        struct stat status;
        QVERIFY(stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        if (haveDevice)
            QVERIFY(stat(QFile::encodeName(device).constData(), &status) == 0 && S_ISCHR(status.st_mode));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void plannerExportsThatFailMidwayKeepTheOldFiles()
    {
        QTemporaryDir dir;
        const QString txt = dir.filePath(QStringLiteral("plan.txt"));
        const QString html = dir.filePath(QStringLiteral("plan.html"));
        writeBytes(txt, "old text\r\n");
        writeBytes(html, "old page\r\n");
        const QStringList before = folderEntries(dir.path());
        const Run run = plan(onFixtureLanguage({QStringLiteral("--txt"), txt, QStringLiteral("--html"), html,
                                         fixturePath(QStringLiteral("golden_plan.txt"))}),
                             [] { FileSizeLimit::applyInChild(64); });
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("Could not save to %1\nCould not save to %2\n").arg(txt, html));
        QCOMPARE(readBytes(txt), QByteArray("old text\r\n"));
        QCOMPARE(readBytes(html), QByteArray("old page\r\n"));
        QCOMPARE(folderEntries(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(HostileTest)
#include "test_hostile.moc"
