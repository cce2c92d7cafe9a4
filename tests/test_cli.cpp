// brevath-plan end to end: exports, the language it finds, usage. Hostile files and sheet
// values through it are in the hostile cases.

#include <QTemporaryDir>
#include <QTest>

#include "PlanProcess.h"
#include "TestWorld.h"

using namespace brevath;
using namespace Qt::StringLiterals;
using namespace brevath::testing;

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void printsAndSavesTheGoldenPlan()
    {
        const QString choices = fixturePath(u"golden_plan.txt"_s);
        const QStringList start = {u"--level"_s, u"194"_s, u"--priority"_s, u"SAG"_s};
        PlanProcessRun run = runPlanProcess(onFixtureLanguage(start + QStringList{choices}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, readBytes(fixturePath(u"../golden/plan.txt"_s)));

        QTemporaryDir dir;
        const QString txt = dir.filePath(u"plan.txt"_s);
        const QString html = dir.filePath(u"plan page"_s);
        run = runPlanProcess(onFixtureLanguage(start + QStringList{u"--priority"_s, u"4"_s,
                                                                   u"--html"_s, html, u"--txt"_s, txt, choices}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(readBytes(txt), readBytes(fixturePath(u"../golden/plan.txt"_s)));
        QCOMPARE(readBytes(html), readBytes(fixturePath(u"../golden/plan.html"_s)));
        QVERIFY(run.err.contains(u"Saved to "_s + html));
    }

    void languageFromTheSettingsFile()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(fixturePath(u"testland.txt"_s), dir.filePath(u"testland.txt"_s)));
        QDir().mkpath(dir.filePath(u"testland"_s));
        QVERIFY(QFile::copy(fixturePath(u"testland/testland_armes.txt"_s),
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

        // A word no language has: every data file is missing, each said once, and the plan is empty.
        writeBytes(settings, QByteArray(100000, 'w'));
        run = runPlanProcess(args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(u"Unable to open language file "_s), 1);
        QCOMPARE(run.err.count(u'\n'), 1 + kCategoryCount);
        QCOMPARE(run.out, QByteArray("\t\t\t\t\t\t\t\t\t\t\t\r\n")); // every row counts as empty

        // Unreadable: no message of its own, the default language.
        QFile::remove(settings);
        QDir().mkdir(settings);
        run = runPlanProcess(args);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.startsWith(u"Unable to open language file "_s + dir.path() + u"/english.txt"_s));
    }

    void usageErrors()
    {
        QCOMPARE(runPlanProcess({}).exitCode, 2);
        QCOMPARE(runPlanProcess(onFixtureLanguage({u"--bogus"_s, u"x"_s})).exitCode, 2);
        QCOMPARE(runPlanProcess(onFixtureLanguage({u"a"_s, u"b"_s})).exitCode, 2);
        QCOMPARE(runPlanProcess(onFixtureLanguage({u"--priority"_s, u"6"_s, u"a"_s})).exitCode, 2);
        const PlanProcessRun help = runPlanProcess({u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("CHOICE_FILE"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
