// brevath-plan end to end: exports, the language it finds, goals translated, share codes,
// comparisons and suggested orders. Hostile files, sheet values and usage errors through it
// are in the hostile cases.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "PlanProcess.h"
#include "ShareCode.h"
#include "TestWorld.h"

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

namespace {

QString example(const char *name)
{
    return QStringLiteral(BREVATH_DATA "/examples/") + QLatin1String(name) + QStringLiteral(".txt");
}

PlanProcessRun plan(const QStringList &arguments)
{
    return runPlanProcess(QStringList{QStringLiteral("--data-dir"), QStringLiteral(BREVATH_DATA)} + arguments);
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void languageFromTheSettingsFile()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(fixturePath(u"testland.txt"_s), dir.filePath(u"testland.txt"_s)));
        QDir().mkpath(dir.filePath(u"testland"_s));
        QVERIFY(
            QFile::copy(fixturePath(u"testland/testland_armes.txt"_s), dir.filePath(u"testland/testland_armes.txt"_s)));
        const QString settings = SettingsFilePath(dir.path());
        const QString choices = dir.filePath(u"choices.txt"_s);
        writeBytes(choices, "0\tClub\r\n");
        const QStringList args = {u"--data-dir"_s, dir.path(), u"--level"_s, u"190"_s, choices};

        writeBytes(settings, "testland,english\r\n"); // the first record only
        PlanProcessRun run = runPlanProcess(args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(u"Could not read "_s), 9); // the nine missing catalogue files
        QVERIFY(run.out.contains("\tClub\t"));

        // A word no language could have (the reader refuses it, as the hostile cases show): english,
        // missing here; each data file said once, no Qt warning nor the vast word, the folder
        // named, and no plan.
        writeBytes(settings, QByteArray(16 << 20, 'w') + "\r\n");
        run = runPlanProcess(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith(u"Unable to open language file "_s + dir.path() + u"/english.txt\n"_s));
        QVERIFY(run.err.count(u'\n') == 2 + kCategoryCount && run.err.size() < 4096);
        QVERIFY(run.err.endsWith(u"No data for the language english in "_s + dir.path() + u".\n"_s));
        QVERIFY(run.out.isEmpty());

        QCOMPARE(runPlanProcess({u"--data-dir"_s, dir.path(), u"--paths"_s}).out,
                 u"data folder\t%1\nsettings file\t%2\n"_s.arg(dir.path(), settings).toUtf8());
        run = runPlanProcess({u"--version"_s});
        QVERIFY(run.out.startsWith("brevath-plan ") && run.out.count('\n') == 1);
    }

    void planCommandEndToEnd()
    {
        const auto out = [](const QStringList &arguments) {
            const PlanProcessRun run = plan(arguments);
            return run.exitCode == 0 ? run.out
                                     : QByteArray("exit ") + QByteArray::number(run.exitCode) + run.err.toUtf8();
        };
        const QString german = QStringLiteral("--language=german"), french = QStringLiteral("--language=french");
        QCOMPARE(out({german, example("french_mage")}), out({german, example("german_mage")}));
        QVERIFY(plan({german, example("french_mage")})
                    .err.contains(QStringLiteral("29 Ziele aus einer anderen Sprache übersetzt.")));

        const QByteArray code = out({QStringLiteral("--share"), example("english_bowman")});
        QVERIFY(code.startsWith("brevath2:") && code.count('\n') == 1);
        for (const QStringList &sheet :
             {QStringList{}, QStringList{QStringLiteral("--level=150"), QStringLiteral("--priority=str")}})
            QCOMPARE(out(sheet + QStringList{french, QStringLiteral("--code"), QString::fromLatin1(code.trimmed())}),
                     out(sheet + QStringList{french, example("french_bowman")}));

        const QJsonDocument json =
            QJsonDocument::fromJson(out({QStringLiteral("--format=json"), example("english_mage")}));
        QCOMPARE(json["sheet"]["level"].toInt(), 1);
        QCOMPARE(json["goals"].toArray().size(), 30);
        QCOMPARE(json["rows"].toArray().size(), 199);

        // The other plan's goals in order, then the mage's own (tests/golden/compare.txt, checked by
        // hand: Spark and End 40 in both, with their difference; the second Spark paired with nothing;
        // Str 9999 never reached, so no level); the same table with the mage from its code.
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.txt"));
        writeBytes(other, "1\t50\r\n0\tSpark\r\n2\t40\r\n0\tSpark\r\n1\t9999\r\n");
        const QByteArray otherCode = out({QStringLiteral("--share"), other}).trimmed();
        const QByteArray mageCode = out({QStringLiteral("--share"), example("english_mage")}).trimmed();
        const QByteArray table = out({QStringLiteral("--compare"), example("english_mage"), other});
        QCOMPARE(out({QStringLiteral("--compare"), QString::fromLatin1(mageCode), other}),
                 QByteArray(table).replace("english_mage.txt", "share code"));
        QCOMPARE(table, readBytes(fixturePath(QStringLiteral("../golden/compare.txt"))));
        const QString codeNamed = dir.filePath(u"brevath1:other.txt"_s); // a path that exists is a file
        QVERIFY(QFile::copy(other, codeNamed));
        QCOMPARE(out({u"--compare"_s, codeNamed, example("english_mage")}),
                 out({u"--compare"_s, other, example("english_mage")}).replace("\tother.txt", "\tbrevath1:other.txt"));
        QVERIFY(plan({german, u"--compare"_s, example("french_mage"), example("german_mage")})
                    .err.contains(u"(french_mage.txt): 29 Ziele"_s)); // which of the two plans
        QCOMPARE(json["goals"][15]["label"].toString(), QStringLiteral("Endurance : 40")); // as the table has it

        // Refused codes and options that do not go together.
        const PlanProcessRun cut = plan({QStringLiteral("--code"), QString::fromLatin1(otherCode.chopped(4))});
        QCOMPARE(cut.exitCode, 1);
        QCOMPARE(cut.err.trimmed(), DecodeShareCode(QString::fromLatin1(otherCode.chopped(4))).message);
        QCOMPARE(plan({QStringLiteral("--code"), QString::fromLatin1(otherCode), example("english_mage")}).exitCode, 2);
    }

    // A plan written in French opens in German with the same goals and plays the same plan; the
    // options given override its sheet; a folder of plans lists one line each.
    void planFilesEndToEnd()
    {
        QTemporaryDir dir;
        const QString saved = dir.filePath(u"mage.brevath"_s);
        const QStringList sheet{u"--level=3"_s, u"--str=20"_s, u"--priority=int"_s};
        const PlanProcessRun written =
            plan(sheet + QStringList{u"--language=french"_s, u"--format=plan"_s, example("french_mage")});
        QCOMPARE(written.exitCode, 0);
        writeBytes(saved, written.out);
        const auto german = [](const QStringList &arguments) {
            return plan(QStringList{u"--language=german"_s} + arguments).out;
        };
        QCOMPARE(german({saved}), german(sheet + QStringList{example("german_mage")}));
        QCOMPARE(german({u"--share"_s, saved}), german(sheet + QStringList{u"--share"_s, example("french_mage")}));
        QCOMPARE(german({u"--str=40"_s, saved}),
                 german({u"--level=3"_s, u"--str=40"_s, u"--priority=int"_s, example("german_mage")}));

        const PlanProcessRun listed = plan({u"--library"_s, dir.path()});
        const QList<QByteArray> fields = listed.out.trimmed().split('\t');
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(fields.mid(0, 4), (QList<QByteArray>{"french_mage", "", "3", "30"}));
        QVERIFY(fields.size() == 7 && fields[4].toInt() > 3 && fields[5].toInt() > 30 * 3);
        writeBytes(dir.filePath(u"broken.brevath"_s), "{");
        QCOMPARE(plan({u"--library"_s, dir.path()}).exitCode, 1);
    }

    // Every mode fails with a message naming what failed: a standard output that cannot be
    // written, and, with caption entry 28 empty, a statistic goal out of range.
    void everyModeNamesWhatFailed()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::link(fixturePath(u"testland"_s), dir.filePath(u"testland"_s))
                && QDir(dir.path()).mkdir(u"plans"_s));
        writeBytes(dir.filePath(u"testland.txt"_s),
                   readBytes(fixturePath(u"testland.txt"_s)).replace("That number cannot be used.\r\n", "\r\n"));
        writeBytes(dir.filePath(u"plans/a.brevath"_s), "{\"brevath-plan\": 1}");
        const QString bad = dir.filePath(u"bad.txt"_s), golden = fixturePath(u"golden_plan.txt"_s);
        writeBytes(bad, "1\t70000\r\n");
        const QString full = fixtureWorld().captions.message(Caption::ExportFailed, u"/dev/stdout"_s) + u'\n';
        for (const QStringList &mode : QList<QStringList>{{},
                                                          {u"--format=json"_s},
                                                          {u"--format=page"_s},
                                                          {u"--format=plan"_s},
                                                          {u"--share"_s},
                                                          {u"--compare"_s, golden},
                                                          {u"--suggest-order=sum"_s},
                                                          {u"--library"_s, dir.filePath(u"plans"_s)}}) {
            const bool library = mode.value(0) == u"--library";
            QList<QByteArray> arguments;
            for (const QString &a : onFixtureLanguage(mode + (library ? QStringList() : QStringList{golden})))
                arguments << a.toUtf8();
            const PlanProcessRun toFull = runRaw(kPlanProgram, arguments, "/dev/full");
            QVERIFY2(toFull.exitCode == 1 && toFull.err.endsWith(full), qPrintable(mode.join(u' ') + toFull.err));
            const PlanProcessRun outOfRange = runPlanProcess(
                QStringList{u"--data-dir"_s, dir.path(), u"--language"_s, u"testland"_s} + mode + QStringList{bad});
            QVERIFY2(library || (outOfRange.exitCode == 1 && outOfRange.err.contains(u"bad.txt"_s)),
                     qPrintable(mode.join(u' ') + outOfRange.err));
        }
    }

    // Each shipped example, reordered by brevath-plan ("sum: before -> after"), loads back and
    // scores what the suggestion said, no more than its own order.
    void commandLineSuggestionsLoadBack()
    {
        QTemporaryDir dir;
        const QString examples = QStringLiteral(BREVATH_DATA "/examples/"), suggested = dir.filePath(u"suggested"_s);
        const auto sums = [&](const QString &language, const QString &path) {
            const PlanProcessRun run = runPlanProcess({u"--language"_s, language, u"--suggest-order=sum"_s, path});
            writeBytes(suggested, run.out);
            return run.err.trimmed().remove(u"sum: "_s).split(u" -> "_s);
        };
        for (const QString &name : QDir(examples).entryList({u"*.txt"_s})) {
            const QStringList first = sums(name.section(u'_', 0, 0), examples + name);
            const QStringList again = sums(name.section(u'_', 0, 0), suggested);
            QVERIFY2(first.size() == 2 && again.value(0) == first[1] && first[1].toInt() <= first[0].toInt()
                         && first[1].toInt() > 0,
                     qPrintable(name + u": "_s + first.join(u' ')));
        }
        // A pin names a row as the player numbers it, empty rows counted; one on an empty row is refused.
        writeBytes(suggested, "0\tSpark\r\n\r\n1\t30\r\n2\t40\r\n");
        const QStringList pinned = {u"--language=english"_s, u"--suggest-order=sum"_s, suggested};
        QCOMPARE(runPlanProcess(pinned + QStringList{u"--pin=3"_s}).out.split('\n').value(2), "1\t30\r");
        QCOMPARE(runPlanProcess(pinned + QStringList{u"--pin=2"_s}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
