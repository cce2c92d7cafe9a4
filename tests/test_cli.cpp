// brevath-plan end to end: exports, the language it finds, goals translated, share codes,
// comparisons and suggested orders. Hostile files, sheet values, pins and usage errors
// through it are in the hostile cases.

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

QJsonObject json(const QStringList &arguments)
{
    return QJsonDocument::fromJson(plan(arguments + QStringList{u"--format=json"_s}).out).object();
}

QString text(const QJsonValue &value)
{
    return value.isNull() ? u"never"_s : value.toVariant().toString();
}

// "label TAB level" of every goal reached, sorted: a plan's, which a text export's names column
// and a comparison's column must show, or those of such a column (empty: never reached).
QStringList reached(QStringList goals)
{
    goals.removeAll(QString());
    goals.sort();
    return goals;
}
QStringList reached(const QJsonObject &plan)
{
    QStringList goals;
    for (const QJsonValue &goal : plan["goals"].toArray())
        goals << (goal["level"].isNull() ? QString() : goal["label"].toString() + u'\t' + text(goal["level"]));
    return reached(goals);
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
        QVERIFY(QDir(dir.path()).mkdir(u"testland"_s)
                && QFile::copy(fixturePath(u"testland/testland_armes.txt"_s),
                               dir.filePath(u"testland/testland_armes.txt"_s)));
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

        const QByteArray code = out({QStringLiteral("--share"), example("english_bowman")});
        QVERIFY(code.startsWith("brevath2:") && code.count('\n') == 1);
        QCOMPARE(out({french, QStringLiteral("--code"), QString::fromLatin1(code.trimmed())}),
                 out({french, example("french_bowman")}));

        // The other plan's goals in order, then the mage's own (tests/golden/compare.txt, checked by
        // hand: Spark and End 40 in both, with their difference; the second Spark paired with nothing;
        // Str 9999 never reached, so no level); the same table with the mage from its code.
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.txt"));
        writeBytes(other, "1\t50\r\n0\tSpark\r\n2\t40\r\n0\tSpark\r\n1\t9999\r\n");
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
    }

    // Which wins where a source carries what an option gives: each sheet option given overrides
    // a plan file's and a share code's own, in every mode that plays or passes it on, the
    // second plan of a comparison too; the maxima and categories, which no option gives, stay
    // the source's. Every field differs from the others and from its default, so one that lands
    // in another's place shows. The file is written in French and played in English.
    void optionsOverTheSourcesSheet()
    {
        const QString file = fixturePath(u"own.brevath"_s), mage = example("english_mage");
        const QString code = QString::fromLatin1(plan({u"--share"_s, file}).out.trimmed());
        const QStringList keys = u"level str end dex sag int hp mp priority"_s.split(u' ');
        const QStringList options =
            u"--level=5 --str=31 --end=32 --dex=33 --sag=34 --int=35 --hp=81 --mp=61 --priority=int"_s.split(u' ');
        const auto fields = [&](const QJsonValue &sheet) {
            QStringList values;
            for (const QString &key : keys + keys.mid(1, kStatCount))
                values << text(values.size() < keys.size() ? sheet[key] : sheet["maxima"][key]);
            return values.join(u' ');
        };
        for (const QStringList &source : {QStringList{file}, QStringList{u"--code"_s, code}}) {
            for (const QStringList &sheet : {QStringList(), options}) {
                const QString wanted =
                    (sheet.isEmpty() ? u"3 21 22 23 24 25 71 51 sag"_s : u"5 31 32 33 34 35 81 61 int"_s)
                    + u" 91 92 93 94 95"_s;
                const QJsonObject played = json(sheet + source);
                const QJsonObject written =
                    QJsonDocument::fromJson(plan(sheet + source + QStringList{u"--format=plan"_s}).out).object();
                const SharedPlan shared =
                    DecodeShareCode(QString::fromLatin1(plan(sheet + source + QStringList{u"--share"_s}).out)).plan;
                QStringList inCode;
                for (const std::int32_t number : shared.sheet)
                    inCode << QString::number(number);
                inCode.insert(keys.size() - 1, keys.value(shared.priority));
                QCOMPARE((QStringList{fields(played["sheet"]), fields(written["sheet"]), inCode.join(u' ')}),
                         QStringList(3, wanted)); // played, written to a plan file, coded
                QCOMPARE(written["categories"].toVariant().toStringList(), (QStringList{u"robes"_s, u"sorts"_s}));
                QCOMPARE(shared.shown, (CategoryStates{false, true, false, false, false, false, false, false, true}));
                QCOMPARE(played["goals"][2]["label"].toString(), u"Spark"_s);
                // A comparison's levels are each plan's alone, the second's on its own sheet.
                QStringList columns[2];
                for (const QString &line :
                     QString::fromUtf8(plan(sheet + QStringList{u"--compare"_s, source.last(), mage}).out)
                         .split(u'\n', Qt::SkipEmptyParts)
                         .mid(1)) {
                    const QStringList f = line.split(u'\t');
                    for (int c = 0; c < 2; ++c)
                        columns[c] << (f[1 + c].isEmpty() ? QString() : f[0] + u'\t' + f[1 + c]);
                    const bool both = !f[1].isEmpty() && !f[2].isEmpty();
                    QCOMPARE(f[3], both ? QString::number(f[2].toInt() - f[1].toInt()) : QString());
                }
                QCOMPARE(reached(columns[0]), reached(json(sheet + QStringList{mage})));
                QCOMPARE(reached(columns[1]), reached(played));
            }
        }
    }

    // A plan written in French opens in German with the same goals and plays the same plan; a
    // folder lists one line a plan, by file name whatever order it gives (fields in the hostile cases).
    void planFilesEndToEnd()
    {
        QTemporaryDir dir;
        const QString saved = dir.filePath(u"mage.brevath"_s);
        const QStringList sheet{u"--level=3"_s, u"--str=20"_s, u"--priority=int"_s};
        const PlanProcessRun written =
            plan(sheet + QStringList{u"--language=french"_s, u"--format=plan"_s, example("french_mage")});
        writeBytes(saved, written.out);
        const auto german = [](const QStringList &arguments) {
            return plan(QStringList{u"--language=german"_s} + arguments).out;
        };
        QCOMPARE(german({saved}), german(sheet + QStringList{example("german_mage")}));
        QCOMPARE(german({u"--share"_s, saved}), german(sheet + QStringList{u"--share"_s, example("french_mage")}));

        for (const QString &name :
             {u"f"_s, u"a"_s, u"d"_s, u"b"_s, u"e"_s, u"c"_s}) // a folder gives seven in order 1 time in 5,040
            writeBytes(dir.filePath(name + u".brevath"_s),
                       "{\"brevath-plan\": 1, \"name\": \"" + name.toUtf8() + "\"}");
        QStringList lines;
        for (const QString &line : QString::fromUtf8(plan({u"--library"_s, dir.path()}).out).split(u'\n'))
            lines << line.section(u'\t', 0, 3);
        QCOMPARE(lines,
                 u"a\t\t1\t0;b\t\t1\t0;c\t\t1\t0;d\t\t1\t0;e\t\t1\t0;f\t\t1\t0;french_mage\t\t3\t30;"_s.split(u';'));
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
        for (const QString &words : u";--format=json;--format=page;--format=plan;--share;--compare %1;"
                                    "--suggest-order=sum;--library %2"_s.arg(golden, dir.filePath(u"plans"_s))
                                        .split(u';')) {
            const QStringList mode = words.split(u' ', Qt::SkipEmptyParts);
            const bool library = mode.value(0) == u"--library";
            const PlanProcessRun toFull =
                runPlanProcess(onFixtureLanguage(mode + (library ? QStringList() : QStringList{golden})), "/dev/full");
            QVERIFY2(toFull.exitCode == 1 && toFull.err.endsWith(full), qPrintable(mode.join(u' ') + toFull.err));
            const PlanProcessRun outOfRange = runPlanProcess(
                QStringList{u"--data-dir"_s, dir.path(), u"--language"_s, u"testland"_s} + mode + QStringList{bad});
            QVERIFY2(library || (outOfRange.exitCode == 1 && outOfRange.err.contains(u"bad.txt"_s)),
                     qPrintable(mode.join(u' ') + outOfRange.err));
        }
    }

    // Every shipped example against facts computed apart: its JSON row by row and goal by goal
    // against its text export, and the assistant's figures before and after (a goal never
    // reached, Str 9999 added to every other one, counting 200) against the plans of both orders.
    void examplesAgreeWithIndependentFacts()
    {
        QTemporaryDir dir;
        const QString examples = QStringLiteral(BREVATH_DATA "/examples/"), suggested = dir.filePath(u"suggested"_s),
                      given = dir.filePath(u"given"_s);
        const QStringList names = QDir(examples).entryList({u"*.txt"_s});
        for (qsizetype n = 0; n < names.size(); ++n) {
            const QStringList language{u"--language"_s, names[n].section(u'_', 0, 0)};
            const QJsonObject own = json(language + QStringList{examples + names[n]});
            const QJsonArray rows = own["rows"].toArray();
            const QStringList lines = DecodeWindows1252(plan(language + QStringList{examples + names[n]}).out)
                                          .split(kLineEnd, Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), rows.size() + 1);
            QStringList named;
            for (qsizetype r = 0; r < rows.size(); ++r) {
                QStringList fields;
                for (const char *key :
                     {"level", "str", "end", "dex", "sag", "int", "hp", "mp", "points", "names", "extra"})
                    fields << text(rows[r][QLatin1String(key)]);
                QCOMPARE(fields, lines[r + 1].split(u'\t').mid(0, fields.size()));
                for (const QString &name : fields[9].split(u", "_s, Qt::SkipEmptyParts))
                    named << name + u'\t' + fields[0];
            }
            QCOMPARE(reached(named), reached(own));
            QCOMPARE(named.size(), readBytes(examples + names[n]).count('\n')); // every goal named and reached

            // Half of them hurry their last goal.
            const bool sum = n % 2 == 0;
            writeBytes(given, readBytes(examples + names[n]) + (sum ? "1\t9999\r\n" : ""));
            const QList<QByteArray> givenLines = readBytes(given).split('\n');
            const qsizetype last = givenLines.size() - 1;
            const PlanProcessRun run = plan(
                language + QStringList{sum ? u"--suggest-order=sum"_s : u"--suggest-order=goal:%1"_s.arg(last), given});
            writeBytes(suggested, run.out);
            QJsonArray levels[2];
            int total[2] = {};
            for (int k = 0; k < 2; ++k) {
                levels[k] = json(language + QStringList{k ? suggested : given})["goals"].toArray();
                for (const QJsonValue &goal : levels[k])
                    total[k] += goal["level"].toInt(200);
            }
            const QString sums = u"sum: %1 -> %2"_s.arg(total[0]).arg(total[1]);
            const qsizetype moved = run.out.split('\n').indexOf(givenLines[last - 1]);
            const QString hurried = u"goal %1: %2 -> %3 (%4)"_s.arg(last).arg(text(levels[0].at(last - 1)["level"]),
                                                                              text(levels[1].at(moved)["level"]), sums);
            QCOMPARE(run.err, (sum ? sums : hurried) + u'\n');
        }
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
