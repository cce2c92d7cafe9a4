// Files that others pass around, at their worst (tests/hostile/cases.txt): every case gives the
// player the message the product promises or plays on soundly, nothing crashes or hangs, and no
// file that was already there is lost. File kinds that cannot be committed are made here.

#include <QDirIterator>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "PlanProcess.h"
#include "TestWorld.h"
#include "ChoiceFile.h"
#include "HtmlExport.h"
#include "PlanFile.h"
#include "ProgramPaths.h"
#include "Numbers.h"
#include "Records.h"
#include "TextExport.h"

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {

const QString kReadFailed = u"Could not read "_s;
const QString kNoCaptions = u"Unable to open language file "_s;

// \t \r \n \0 \xHH and \\ as in C.
QByteArray unescaped(QByteArrayView text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            c = text[++i];
            c = c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c == '0' ? '\0' : c;
            if (c == 'x' && i + 2 < text.size())
                c = char(text.sliced(std::exchange(i, i + 2) + 1, 2).toInt(nullptr, 16));
        }
        out += c;
    }
    return out;
}

// "= " then parts joined by " + ": "text", N * "text", or numbered FIRST LAST "format with %n".
QByteArray generated(const QByteArray &expression)
{
    const auto quoted = [](const QByteArray &part) { return unescaped(part.mid(part.indexOf('"') + 1).chopped(1)); };
    QByteArray bytes;
    for (const QByteArray &part : expression.mid(2).split('+')) {
        const QByteArray p = part.trimmed();
        const QList<QByteArray> words = p.split(' ');
        if (p.startsWith("numbered")) {
            for (int n = words[1].toInt(); n <= words[2].toInt(); ++n)
                bytes += quoted(p).replace("%n", QByteArray::number(n));
        } else {
            bytes += quoted(p).repeated(p.startsWith('"') ? 1 : words[0].toInt());
        }
    }
    return bytes;
}

// A path at which no readable file stands, though something may.
QString specialPath(const QTemporaryDir &dir, const QString &kind)
{
    const QString path = dir.filePath(kind);
    const QByteArray name = QFile::encodeName(path);
    if (kind.startsWith(u"proc-"))
        return u"/proc/self/"_s + kind.sliced(5); // the size says 0
    if (kind == u"dev-zero")
        return u"/dev/zero"_s;
    if (kind == u"below-a-file" || kind == u"sparse-100-GB" || (kind == u"no-permission" && geteuid() != 0))
        writeBytes(path, "english\r\n"); // root reads it all the same, so no permission is then missing
    if (kind == u"below-a-file")
        return path + u"/inside.txt"_s;
    if (kind == u"sparse-100-GB")
        truncate(name.constData(), off_t(100) << 30);
    if (kind == u"no-permission")
        QFile::setPermissions(path, {});
    if (kind == u"folder")
        QDir().mkdir(path);
    if (kind == u"dangling-link")
        QFile::link(dir.filePath(u"nowhere"_s), path);
    if (kind == u"link-loop")
        QFile::link(path, path);
    if (kind == u"fifo")
        mkfifo(name.constData(), 0600);
    if (kind == u"link-to-fixture-captions")
        QFile::link(fixturePath(u"testland.txt"_s), path);
    return path;
}

PlanProcessRun plan(const QStringList &arguments)
{
    return runPlanProcess(onFixtureLanguage(arguments));
}

// Every name below a folder: its kind, mode and owner, and a file's bytes or a link's target.
QMap<QString, QString> tree(const QString &folder)
{
    QMap<QString, QString> names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const std::filesystem::path name = QFile::encodeName(path).toStdString();
        struct stat s = {};
        lstat(name.c_str(), &s);
        const QByteArray content = S_ISREG(s.st_mode) ? readBytes(path).toHex()
            : S_ISLNK(s.st_mode)                      ? QByteArray(std::filesystem::read_symlink(name).c_str())
                                                      : QByteArray();
        names[path.sliced(folder.size() + 1)] =
            u"%1 %2 %3"_s.arg(s.st_mode, 6, 8, QChar(u'0')).arg(s.st_uid).arg(QString::fromLatin1(content));
    }
    return names;
}

} // namespace

class HostileTest : public QObject
{
    Q_OBJECT

private slots:
    void cases_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QByteArray>>("expected");
        QFile table(fixturePath(u"../hostile/cases.txt"_s));
        QVERIFY(table.open(QIODevice::ReadOnly));
        for (const QByteArray &line : table.readAll().split('\n')) {
            if (line.trimmed().isEmpty() || line.startsWith('#'))
                continue;
            QList<QByteArray> fields = line.split('|');
            for (QByteArray &f : fields)
                f = f.trimmed();
            QTest::addRow("%s %s", fields[0].constData(), fields[1].left(40).constData())
                << QString::fromLatin1(fields[0]) << fields[1] << fields.mid(2);
        }
    }

    // Each reader's outcome as the table's fields, so a failure shows both side by side.
    void cases()
    {
        QFETCH(QString, reader);
        QFETCH(QByteArray, input);
        QFETCH(QList<QByteArray>, expected);
        QStringList want;
        for (const QByteArray &field : std::as_const(expected))
            want << DecodeWindows1252(unescaped(field));
        QTemporaryDir dir;
        QString path =
            reader == u"settings" ? PortablePaths(dir.path()).resultsSizeFile() : dir.filePath(u"input.txt"_s);
        QByteArray bytes;
        if (input.startsWith('@')) {
            path = specialPath(dir, QString::fromLatin1(input.mid(1)));
        } else if (reader != u"sheet" && reader != u"number" && reader != u"records") {
            bytes = input.startsWith('=') ? generated(input) : readBytes(fixturePath("../hostile/inputs/" + input));
            writeBytes(path, bytes);
        }
        const auto message = [&](const Outcome &outcome, const QString &text) {
            return outcome.ok ? u"ok"_s : outcome.message == text + path ? u"fail"_s : outcome.message;
        };
        QStringList got;
        if (reader == u"catalogue" || reader == u"spells") {
            const bool spells = reader == u"spells";
            Catalogue c;
            const auto failure =
                LoadCatalogueFile(path, spells ? kSpellCategory : 1, spells ? 6 : 5, u"Could not read"_s, c);
            got << message(failure, kReadFailed) << QString::number(c.count());
            if (c.count() > 0) {
                QStringList requirements;
                for (std::int32_t r : c.entry(c.count()).requirement)
                    requirements << QString::number(r);
                got << c.entry(c.count()).name << requirements.join(u' ') << QString::number(c.entry(c.count()).extra);
            }
        } else if (reader == u"captions") {
            CaptionTable captions;
            for (int n = 1; n <= CaptionTable::kEntries; ++n)
                captions.setEntry(n, u"old"_s);
            got << message(LoadCaptionFile(path, captions), kNoCaptions) << want.value(1)
                << captions.entry(want.value(1).toInt());
        } else if (reader == u"number") {
            const double value =
                LeadingNumber(DecodeWindows1252(input.startsWith('=') ? generated(input) : unescaped(input)));
            const std::optional<std::int32_t> integer = ToInt32(value);
            got << QString::number(value, 'g', QLocale::FloatingPointShortest)
                << (integer ? QString::number(*integer) : u"fail"_s);
        } else if (reader == u"records") {
            const QString text = DecodeWindows1252(unescaped(input));
            RecordReader records(text);
            while (!records.atEnd())
                got << *records.ReadRecord();
            QVERIFY(!records.ReadRecord()); // reading at the end is a failure
        } else if (reader == u"settings") { // the language word, and the same file as the results window's size
            const QSize size = ReadResultsSize(PortablePaths(dir.path()));
            got << ReadLanguageWord(path).value_or(u"<none>"_s)
                << (size.isValid() ? u"%1x%2"_s.arg(size.width()).arg(size.height()) : QString());
        } else if (reader == u"planfile") {
            const PlanFileRead read = ReadPlanFile(path, kReadFailed.trimmed());
            QVERIFY(read.ok || read.plan == PlanFile{}); // never half read
            got << (read.ok ? u"ok %1"_s.arg(read.plan.goals.size()) : QString(read.message).replace(path, u"%1"_s));
        } else if (reader == u"unreadable") {
            Catalogue c;
            CaptionTable captions;
            PlanProcessRun run = plan({path});
            got << message(LoadCatalogueFile(path, 1, 5, kReadFailed.trimmed(), c), kReadFailed)
                << message(LoadCaptionFile(path, captions), kNoCaptions) << ReadLanguageWord(path).value_or(u"<none>"_s)
                << ReadChoiceFile(path, fixtureWorld().captions).message.replace(path, u"%1"_s)
                << QString::number(run.exitCode) + u' ' + run.err.replace(path, u"%1"_s);
            want = {"fail", "fail", "<none>", "Could not read %1", "1 Could not read %1\n"};
        } else {
            // brevath-plan on the fixture language: a choice file, a sheet value on the golden
            // choices, or any arguments (%g the golden choices, %d a scratch folder, %f the fixtures).
            const QString golden = fixturePath(u"golden_plan.txt"_s);
            QStringList arguments;
            for (const QByteArray &word : input.split(' '))
                arguments << QString::fromLatin1(word)
                                 .replace(u"%g"_s, golden)
                                 .replace(u"%d"_s, dir.path())
                                 .replace(u"%f"_s, fixturePath({}));
            arguments.removeAll(QString());
            const PlanProcessRun run =
                plan(reader == u"plan" ? QStringList{u"--str"_s, u"1"_s, path}
                                       : arguments + (reader == u"sheet" ? QStringList{golden} : QStringList{}));
            if (reader == u"sheet") // a refused value has one message, naming it
                want.insert(1,
                            run.exitCode ? u"That number cannot be used. "_s + QString::fromLatin1(input) : QString());
            const QByteArray shows = EncodeWindows1252(want.value(2)), lacks = EncodeWindows1252(want.value(3));
            const QString err = run.err.trimmed().replace(path, u"%1"_s);
            got << QString::number(run.exitCode)
                << (reader == u"run" && err.contains(want.value(1)) ? want.value(1) : err)
                << (run.out.contains(shows) ? want.value(2) : u"<not shown>"_s)
                << (lacks.isEmpty() || !run.out.contains(lacks) ? want.value(3) : u"<shown>"_s);
            if (reader == u"plan")
                QCOMPARE(readBytes(path), bytes); // reading never touches the file
        }
        while (want.size() < got.size()) // trailing empty fields may be left out
            want << QString();
        QCOMPARE(got, want);
    }

    // The one home of the safe save and of every writer that uses it. Whatever stands at the
    // path, the file named gets the writer's bytes whole, keeping its mode and its owner (as
    // root, another user's; execute bits too), or keeps what it had; a link, absolute or relative, stays a link;
    // a pipe or a device stays one; nothing else in the folders changes, so nothing is left
    // beside. A folder or a file closed to the player, but a file it may write, is written in
    // place (as root, the player is nobody). Then brevath-plan with one export failed of two.
    void safeSaves()
    {
        Workspace w = fixtureWorld();
        const Plan played = *PlanOf(w, rowTexts(w.captions, {u"Club"_s, u"Spark"_s}));
        const PlanFile planFile{u"p"_s, {}, u"testland"_s, DefaultSheetTexts(), 0, {}, {}};
        const auto saved = [](bool ok) { return Outcome{ok, {}}; };
        const struct
        {
            std::function<Outcome(const QString &)> save;
            QByteArray bytes;
            QString said; // on success and on failure, %1 the path
        } writers[] = {
            {[&](const QString &p) { return saved(SaveFileAtomically(p, "new")); }, "new", u"|"_s},
            {[&](const QString &p) { return SaveTxt(p, played, w.captions); }, TxtBytes(played, w.captions),
             u"Saved to %1|Could not save to %1"_s},
            {[&](const QString &p) { return SaveHtml(p, played, w.captions); }, HtmlBytes(played, w.captions),
             u"Saved to %1|Could not save to %1"_s},
            {[&](const QString &p) { return SaveChoiceFile(p, w.goals, w.catalogue, w.captions); },
             "0\tClub\r\n0\tSpark\r\n", u"|Could not save %1"_s},
            {[&](const QString &p) { return SavePlanFile(p, planFile); }, PlanFileBytes(planFile),
             u"|Could not save the plan to %1"_s},
            {[&](const QString &p) { return saved(WriteLanguageWord(p, u"french"_s)); }, "french\r\n", u"|"_s},
        };
        const bool root = geteuid() == 0;
        const mode_t mask = umask(0);
        umask(mask);
        const QString fresh = u"%1 %2"_s.arg(S_IFREG | (0666 & ~mask), 6, 8, QChar(u'0')).arg(geteuid());
        // The path, the file written (none: the save fails), the scratch folder's mode for the
        // player and the bytes it may write.
        const QStringList cases = u"file:file new:new in/absolute:out/file in/relative:out/file in/dangling:in/nowhere "
                                  "file:::2 file:file:%1 shared:shared:1777 file/in: missing/out: out: : fifo: "
                                  "in/device: device: loop:"_s.arg(root ? 755 : 555)
                                      .split(u' ')
            + QStringList{QString(255, u'n') + u':' + QString(255, u'n')}; // the longest name
        for (const auto &writer : writers) {
            for (const QString &c : cases) {
                QTemporaryDir dir;
                const QString at = c.section(u':', 0, 0).isEmpty() ? QString() : dir.filePath(c.section(u':', 0, 0));
                const QString written = c.section(u':', 1, 1);
                const mode_t mode = c.section(u':', 2, 2).toUInt(nullptr, 8);
                const QByteArray folder = QFile::encodeName(dir.path()) + '/';
                QVERIFY(QDir(dir.path()).mkpath(u"in"_s) && QDir(dir.path()).mkpath(u"out"_s));
                for (const char *name : {"file", "out/file", "shared"}) {
                    writeBytes(dir.filePath(QLatin1String(name)), "old\r\n");
                    const bool shared = QByteArrayView(name) == "shared";
                    QVERIFY(::chmod(folder + name, shared ? 0666 : 0750) == 0);
                    QVERIFY(!root || shared || ::chown(folder + name, 65534, 65534) == 0); // another's
                }
                // A private /dev/null where root may make one, else a pipe.
                if (::mknod(folder + "device", S_IFCHR | 0666, makedev(1, 3)) != 0)
                    QVERIFY(::mkfifo(folder + "device", 0600) == 0);
                QVERIFY(::mkfifo(folder + "fifo", 0600) == 0);
                for (const auto &[target, link] : {std::pair{folder + "out/file", "in/absolute"},
                                                   {"../out/file", "in/relative"},
                                                   {"nowhere", "in/dangling"},
                                                   {"../device", "in/device"},
                                                   {"loop", "loop"}})
                    QVERIFY(::symlink(target, folder + link) == 0);
                QVERIFY(mode == 0 || ::chmod(folder, mode) == 0);
                const QMap<QString, QString> before = tree(dir.path());
                Outcome outcome;
                if (mode != 0 && root) { // as nobody, in a child
                    const pid_t pid = fork();
                    if (pid == 0)
                        _exit(setgid(65534) == 0 && setuid(65534) == 0 && writer.save(at).ok ? 0 : 1);
                    int status = -1;
                    outcome.ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
                    outcome.message =
                        writer.said.section(u'|', outcome.ok ? 0 : 1, outcome.ok ? 0 : 1).replace(u"%1"_s, at);
                } else {
                    WritesFail full(c.section(u':', 3, 3).isEmpty() ? RLIM_INFINITY : 2);
                    outcome = writer.save(at);
                }
                ::chmod(folder, 0700);
                QVERIFY2(outcome.ok == !written.isEmpty(), qPrintable(c + u' ' + writer.said));
                QCOMPARE(outcome.message,
                         writer.said.section(u'|', outcome.ok ? 0 : 1, outcome.ok ? 0 : 1).replace(u"%1"_s, at));
                QMap<QString, QString> wanted = before;
                if (outcome.ok) // a file made anew as any other, with the mode the player's mask gives
                    wanted[written] = before.value(written, fresh).section(u' ', 0, 1) + u' '
                        + QString::fromLatin1(writer.bytes.toHex());
                QCOMPARE(tree(dir.path()), wanted);
            }
        }
        QTemporaryDir dir;
        const QString txt = dir.filePath(u"missing/t"_s), html = dir.filePath(u"h.html"_s);
        const PlanProcessRun run =
            runPlanProcess(onFixtureLanguage({u"--txt"_s, txt, u"--html"_s, html, fixturePath(u"golden_plan.txt"_s)}));
        QCOMPARE(run.err, u"Could not save to %1\nSaved to %2\n"_s.arg(txt, html));
        QCOMPARE(run.exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(HostileTest)
#include "test_hostile.moc"
