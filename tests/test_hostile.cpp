// Files that others pass around, at their worst (tests/hostile/cases.txt): every case gives the
// player the message the product promises or plays on soundly, nothing crashes or hangs, and no
// file that was already there is lost. File kinds that cannot be committed are made here.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "PlanProcess.h"
#include "TestWorld.h"
#include "ChoiceFile.h"
#include "HtmlExport.h"
#include "PlanFile.h"
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

QByteArray quoted(const QByteArray &part)
{
    return unescaped(part.mid(part.indexOf('"') + 1).chopped(1));
}

// "= " then parts joined by " + ": "text", N * "text", or numbered FIRST LAST "format with %n".
QByteArray generated(const QByteArray &expression)
{
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

QStringList folderEntries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
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
        QString path = dir.filePath(u"input.txt"_s);
        QByteArray bytes;
        if (input.startsWith('@')) {
            path = specialPath(dir, QString::fromLatin1(input.mid(1)));
        } else if (reader != u"sheet") {
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
        } else if (reader == u"settings") {
            got << ReadLanguageWord(path).value_or(u"<none>"_s);
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
            // choices, or any arguments (%g the golden choices, %d a scratch folder).
            const QString golden = fixturePath(u"golden_plan.txt"_s);
            QStringList arguments;
            for (const QByteArray &word : input.split(' '))
                arguments << QString::fromLatin1(word).replace(u"%g"_s, golden).replace(u"%d"_s, dir.path());
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

    // The one home of the safe save: whatever stands at the path or fails midway, the old file
    // stays, a pipe or a device stays one, and no temporary file is left behind. Then each
    // caller, on a full disk: its message, the old file kept.
    void safeSaveKeepsWhatWasThere()
    {
        QTemporaryDir dir;
        const QByteArray old = "what was there before\r\n";
        const QString file = dir.filePath(u"file"_s);
        writeBytes(file, old);
        QDir(dir.path()).mkdir(u"taken"_s);
        const QString fifo = specialPath(dir, u"fifo"_s);
        const QString device = dir.filePath(u"null"_s); // a private /dev/null, made where root may
        const bool haveDevice = mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        const QString link = dir.filePath(u"link"_s), loop = specialPath(dir, u"link-loop"_s);
        QVERIFY(QFile::link(haveDevice ? device : fifo, link));
        const QStringList before = folderEntries(dir.path());
        for (const QString &path : {file + u"/in"_s, dir.filePath(u"missing/out"_s), dir.filePath(u"taken"_s),
                                    QString(), fifo, link, haveDevice ? device : fifo, loop})
            QVERIFY2(!SaveFileAtomically(path, "new"), qPrintable(path));
        struct stat status;
        QVERIFY(stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        QVERIFY(!haveDevice || (stat(QFile::encodeName(device).constData(), &status) == 0 && S_ISCHR(status.st_mode)));
        QVERIFY(QFileInfo(link).isSymLink() && QFileInfo(loop).isSymLink());

        Workspace w = fixtureWorld();
        const auto rows = rowTexts(w.captions, {u"Club"_s, u"Spark"_s});
        const Plan plan = *PlanOf(w, rows);
        std::optional<WritesFail> full(std::in_place, 8); // each save below writes more
        const bool whole = SaveFileAtomically(file, "longer than the limit");
        const QString choiceMessage = SaveChoiceFile(file, w.goals, w.catalogue, w.captions).message;
        const QString txtMessage = SaveTxt(file, plan, w.captions).message;
        const QString htmlMessage = SaveHtml(file, plan, w.captions).message;
        const bool settings = WriteLanguageWord(file, u"a word longer than the limit"_s);
        full.reset();
        QVERIFY(!whole && !settings);
        QCOMPARE(choiceMessage, u"Could not save "_s + file);
        QCOMPARE(txtMessage, u"Could not save to "_s + file);
        QCOMPARE(htmlMessage, u"Could not save to "_s + file);
        const QString html = dir.filePath(u"plan.html"_s);
        const PlanProcessRun run =
            runPlanProcess(onFixtureLanguage({u"--txt"_s, file, u"--html"_s, html, fixturePath(u"golden_plan.txt"_s)}),
                           [] { SetFileSizeLimit(300); }); // its messages fit, no export does
        QCOMPARE(run.err, u"Could not save to %1\nCould not save to %2\n"_s.arg(file, html));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(readBytes(file), old);
        QCOMPARE(folderEntries(dir.path()), before);
        QCOMPARE(folderEntries(dir.filePath(u"taken"_s)), QStringList());
        // Any name the file system allows, the longest too, is saved and leaves nothing beside it.
        const QString longest = dir.filePath(QString(255, u'n'));
        QVERIFY(SaveFileAtomically(file, "new") && SaveFileAtomically(longest, "new"));
        QCOMPARE(readBytes(file) + readBytes(longest), QByteArray("newnew"));
        QCOMPARE(folderEntries(dir.path()).size(), before.size() + 1);
    }
};

QTEST_GUILESS_MAIN(HostileTest)
#include "test_hostile.moc"
