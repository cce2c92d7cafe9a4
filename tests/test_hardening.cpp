// Files, paths and memory from outside: names that are not UTF-8, a program folder that is
// not, endless files, huge catalogues, words no file could bear, streams that fail.

#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "NativePath.h"
#include "TestWorld.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

struct RawRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    long peakKb = 0; // the child's peak resident memory
};

QByteArray raw(const QString &path)
{
    return EncodeNativePath(path);
}

// Qt cannot remove names that are not UTF-8 itself.
struct RawTemporaryDir : QTemporaryDir
{
    using QTemporaryDir::QTemporaryDir;
    ~RawTemporaryDir() { std::filesystem::remove_all(raw(path()).toStdString()); }
};

// brevath-plan (or a copy of it) run on raw argument bytes, as a shell would pass them.
RawRun runRaw(const QByteArray &program, const QList<QByteArray> &arguments, const char *stdoutPath = nullptr)
{
    QTemporaryDir dir;
    const QByteArray outPath = stdoutPath ? QByteArray(stdoutPath) : raw(dir.filePath(QStringLiteral("out")));
    const QByteArray errPath = raw(dir.filePath(QStringLiteral("err")));
    std::vector<char *> argv{const_cast<char *>(program.constData())};
    for (const QByteArray &a : arguments)
        argv.push_back(const_cast<char *>(a.constData()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = ::open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execv(program.constData(), argv.data());
        ::_exit(127);
    }
    RawRun run;
    int status = 0;
    rusage usage{};
    if (pid > 0 && ::wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.peakKb = usage.ru_maxrss;
    run.out = stdoutPath ? QByteArray() : ReadFileBytes(dir.filePath(QStringLiteral("out"))).value_or("<none>");
    run.err = ReadFileBytes(dir.filePath(QStringLiteral("err"))).value_or("<none>");
    return run;
}

const QByteArray kPlan = BREVATH_BIN "/brevath-plan";
const QByteArray kFixtures = BREVATH_FIXTURES;

QList<QByteArray> onFixtures(const QList<QByteArray> &more)
{
    return QList<QByteArray>{"--data-dir", kFixtures, "--language", "testland"} + more;
}

// A folder holding the fixture language under a name of raw bytes.
QByteArray fixtureCopy(const QTemporaryDir &dir, const QByteArray &name)
{
    namespace fs = std::filesystem;
    const QByteArray folder = raw(dir.path()) + '/' + name;
    fs::create_directories(folder.toStdString());
    fs::copy((kFixtures + "/testland").toStdString(), (folder + "/testland").toStdString(), fs::copy_options::recursive);
    fs::copy_file((kFixtures + "/testland.txt").toStdString(), (folder + "/testland.txt").toStdString());
    return folder;
}

} // namespace

class HardeningTest : public QObject
{
    Q_OBJECT

private slots:
    void pathsKeepEveryByte()
    {
        // Valid UTF-8 stays text; anything else (a lone code-page byte, an encoded surrogate,
        // an overlong form, a cut sequence, past U+10FFFF) comes back byte for byte.
        const QByteArray cases[] = {"plain", "caf\xC3\xA9", "caf\xE9", "\xED\xA0\x80", "\xC0\xAF", "\xE2\x82",
                                    "\xF4\x90\x80\x80", "\xF0\x9F\x98\x80\xFF"};
        for (const QByteArray &bytes : cases) {
            const QString path = DecodeNativePath(bytes);
            QCOMPARE(EncodeNativePath(path), bytes);
        }
        QCOMPARE(DecodeNativePath("caf\xC3\xA9"), u"caf\u00E9");
        QCOMPARE(DisplayPath(DecodeNativePath("caf\xE9")), u"caf\uFFFD");
    }

    void dialogPathsFindTheRealEntry()
    {
        RawTemporaryDir dir;
        for (const char *name : {"one\xE9", "two\xE9", "two\xE8"})
            QCOMPARE(::mkdir((raw(dir.path()) + '/' + name).constData(), 0700), 0);
        const QString lossy = QString::fromUtf8(raw(dir.path()) + "/one\xE9/new\xE9.txt");
        // The folder is found; the new file's name has no entry to match and stays as chosen.
        QCOMPARE(raw(RecoverDialogPath(lossy)), raw(dir.path()) + "/one\xE9/" + raw(lossy.section(u'/', -1)));
        const QString ambiguous = QString::fromUtf8(raw(dir.path()) + "/two\xE9");
        QCOMPARE(RecoverDialogPath(ambiguous), ambiguous);
    }

    void commandLinePathsReachTheFileSystem()
    {
        RawTemporaryDir dir;
        const QByteArray folder = raw(dir.path());
        QVERIFY(SaveFileAtomically(DecodeNativePath(folder + "/plan\xE9.txt"), "0\tSpark\r\n"));
        const RawRun run = runRaw(kPlan, onFixtures({"--txt", folder + "/out\xE9.txt", "--html", folder + "/out\xE9.html",
                                                     folder + "/plan\xE9.txt"}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(ReadFileBytes(DecodeNativePath(folder + "/out\xE9.txt")));
        QVERIFY(ReadFileBytes(DecodeNativePath(folder + "/out\xE9.html")));
        QVERIFY(!ReadFileBytes(dir.filePath(QStringLiteral("out\uFFFD.txt"))));
        QVERIFY(run.err.contains(folder + "/out\xE9.txt\n"));
    }

    void programFolderIsWhereTheProgramLives()
    {
        // A program folder that is not UTF-8 holds the settings and the language it names.
        RawTemporaryDir dir(QStringLiteral(BREVATH_BIN "/hardening-XXXXXX"));
        const QByteArray folder = fixtureCopy(dir, "bin\xE9");
        std::filesystem::copy_file(kPlan.toStdString(), (folder + "/brevath-plan").toStdString());
        QVERIFY(SaveFileAtomically(DecodeNativePath(folder + "/Brevath.ini"), "testland\r\n"));
        const QByteArray golden = fixturePath(QStringLiteral("../golden/plan.txt")).toUtf8();
        const QList<QByteArray> start = {"--level", "194", "--priority", "SAG",
                                         fixturePath(QStringLiteral("golden_plan.txt")).toUtf8()};
        RawRun run = runRaw(folder + "/brevath-plan", start);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, ReadFileBytes(QString::fromUtf8(golden)).value());

        run = runRaw(kPlan, QList<QByteArray>{"--data-dir", ""} + start);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("--data-dir"));
        QVERIFY(run.out.isEmpty());
        // No path is ever made from an empty folder.
        const LanguageSettings none = LanguagePaths(QString(), QStringLiteral("english"));
        QVERIFY(SettingsFilePath(QString()).isEmpty() && none.captionFile.isEmpty() && none.catalogueFiles[0].isEmpty());
    }

    void hugeCataloguesStayWithinMemory()
    {
        // 8 MB of empty lines: 8 million entries, numbered as ever, in bounded memory.
        QTemporaryDir dir;
        const QByteArray folder = fixtureCopy(dir, "data");
        const qint64 size = 8 << 20;
        QVERIFY(SaveFileAtomically(DecodeNativePath(folder + "/testland/testland_arcs.txt"), QByteArray(size, '\n')));
        Workspace world;
        LoadLanguageWord(world, DecodeNativePath(folder), QStringLiteral("testland"));
        QVERIFY(world.LoadCatalogue().isEmpty());
        const int spark = world.catalogue.FindByName(QStringLiteral("Spark"));
        QVERIFY(spark > size);
        QCOMPARE(world.catalogue.entry(int(size)).category, 1);
        QCOMPARE(world.catalogue.entry(int(size)).name, QString());
        QCOMPARE(world.catalogue.FindByName(QString()), 1);

        const RawRun run = runRaw(kPlan, {"--data-dir", folder, "--language", "testland",
                                          fixturePath(QStringLiteral("golden_plan.txt")).toUtf8()});
        QCOMPARE(run.exitCode, 0);
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's shadow memory is no part of the program's
        QVERIFY2(run.peakKb * 1024 < 3 * size + (50 << 20), QByteArray::number(run.peakKb) + " kB");
#endif
    }

    void saveIntoAFolderThatRefusesNewFiles()
    {
        // A shared folder the player cannot write, holding a file the player may write.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Brevath.ini"));
        writeBytes(path, "english\r\n");
        // As root the check runs as nobody, to whom the folder (root's, 0755) is closed.
        const bool root = ::getuid() == 0;
        QVERIFY(::chmod(raw(path).constData(), 0666) == 0 && ::chmod(raw(dir.path()).constData(), root ? 0755 : 0555) == 0);
        const pid_t pid = fork();
        if (pid == 0) {
            if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(2);
            ::_exit(WriteLanguageWord(path, QStringLiteral("french")) ? 0 : 1);
        }
        int status = -1;
        QVERIFY(::waitpid(pid, &status, 0) == pid && WIFEXITED(status));
        ::chmod(raw(dir.path()).constData(), 0700);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readBytes(path), QByteArray("french\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Brevath.ini"});

        // A loop of links is no file to replace.
        const QByteArray loop = raw(dir.filePath(QStringLiteral("loop")));
        QVERIFY(::symlink("loop2", loop.constData()) == 0 && ::symlink("loop", (loop + '2').constData()) == 0);
        QVERIFY(!SaveFileAtomically(DecodeNativePath(loop), "x"));
        QVERIFY(QFileInfo(QString::fromUtf8(loop)).isSymLink());
    }

    void emptyRowTextsAreEmptyRows()
    {
        Workspace w = fixtureWorld();
        CatalogueEntry nameless;
        w.catalogue.append(nameless);
        for (const std::int32_t kind : {0, PackStatTarget(1, 0), PackStatTarget(5, 0)}) {
            ChoiceList list;
            w.goals.kinds[0] = kind;
            QCOMPARE(AddRowChoice(QString(), 0, w.goals.kinds, list, w.catalogue, w.captions), AddRowResult::Nothing);
            QCOMPARE(AddRowChoice(QStringLiteral(""), 0, w.goals.kinds, list, w.catalogue, w.captions),
                     AddRowResult::Nothing);
            QVERIFY(list.rows.empty());
        }
    }

    void readsStopAtTheCapWhateverTheSizeSays()
    {
        // Both claim size 0; one never ends, the other does.
        QVERIFY(!ReadFileBytes(QStringLiteral("/proc/self/pagemap")));
        QVERIFY(ReadFileBytes(QStringLiteral("/proc/self/maps")).value_or(QByteArray()).contains('\n'));
    }

    void languageWordsNoFileCouldHold()
    {
        QTemporaryDir dir;
        const QString settings = SettingsFilePath(dir.path());
        const struct
        {
            QByteArray word;
            bool usable;
        } cases[] = {{QByteArray(234, 'a'), true},       {QByteArray(235, 'a'), false},
                     {QByteArray(233, 'a') + '\xE9', false}, {QByteArray("eng\0lish", 8), false},
                     {QByteArray(16 << 20, 'w'), false}};
        for (const auto &c : cases) {
            writeBytes(settings, c.word + "\r\n");
            QCOMPARE(ReadLanguageWord(settings).has_value(), c.usable);
        }
        // brevath-plan then plays english, and neither a vast word nor Qt's own warnings reach the player.
        for (const QByteArray &word : {QByteArray(16 << 20, 'w'), QByteArray("testland\0x", 10)}) {
            writeBytes(settings, word + "\r\n");
            const RawRun run = runRaw(kPlan, {"--data-dir", raw(dir.path()), "--str", "1e309", "x"});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.size() < 4096 && run.err.contains("/english.txt"), run.err.left(200));
        }
    }

    void everyFailureIsNamed()
    {
        // No caption file, so no entry 28: the refused value is named anyway.
        QTemporaryDir dir;
        const QString choices = dir.filePath(QStringLiteral("c.txt"));
        writeBytes(choices, "1\t20\r\n");
        RawRun run = runRaw(kPlan, {"--data-dir", kFixtures, "--language", "nowhere", "--str", "1e309", raw(choices)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(kFixtures + "/nowhere.txt"));
        QVERIFY(run.err.trimmed().endsWith("--str 1e309"));

        // A full disk under the text export on standard output.
        run = runRaw(kPlan, onFixtures({raw(choices)}), "/dev/full");
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, EncodeNativePath(fixtureWorld().captions.message(Caption::ExportFailed, QStringLiteral("/dev/stdout")))
                     + '\n');
    }
};

QTEST_GUILESS_MAIN(HardeningTest)
#include "test_hardening.moc"
