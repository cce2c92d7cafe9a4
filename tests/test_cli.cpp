// brevath-plan end to end: exports, messages and exit codes.

#include <QTemporaryDir>
#include <QTest>

#include "PlanProcess.h"
#include "TestWorld.h"

using namespace brevath::testing;

namespace {

QString writeChoices(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("choices.txt"));
    writeBytes(path, bytes);
    return path;
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void printsAndSavesTheGoldenPlan()
    {
        const QString choices = fixturePath(QStringLiteral("golden_plan.txt"));
        const QStringList start = {QStringLiteral("--level"), QStringLiteral("194"), QStringLiteral("--priority"),
                                   QStringLiteral("SAG")};
        PlanProcessRun run = runPlanProcess(onFixtureLanguage(start + QStringList{choices}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, readBytes(fixturePath(QStringLiteral("../golden/plan.txt"))));

        QTemporaryDir dir;
        const QString txt = dir.filePath(QStringLiteral("plan.txt"));
        const QString html = dir.filePath(QStringLiteral("plan page"));
        run = runPlanProcess(onFixtureLanguage(start + QStringList{QStringLiteral("--priority"), QStringLiteral("4"),
                                                   QStringLiteral("--html"), html, QStringLiteral("--txt"), txt,
                                                   choices}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(readBytes(txt), readBytes(fixturePath(QStringLiteral("../golden/plan.txt"))));
        QCOMPARE(readBytes(html), readBytes(fixturePath(QStringLiteral("../golden/plan.html"))));
        QVERIFY(run.err.contains(QStringLiteral("Saved to ") + html));
    }

    void sheetValuesCommitLikeTheStartScreen()
    {
        QTemporaryDir dir;
        const QString choices = writeChoices(dir, "1\t20\r\n");
        PlanProcessRun run = runPlanProcess(onFixtureLanguage({QStringLiteral("--str"), QStringLiteral("12.5"), QStringLiteral("--end"),
                                    QStringLiteral("13.5abc"), QStringLiteral("--hp"), QStringLiteral(" 7"),
                                    QStringLiteral("--level"), QStringLiteral("198"), choices}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("\r\n198\t12\t14\t12\t12\t12\t7\t50\t\t\t0\t"));

        for (const QStringList &bad : {QStringList{QStringLiteral("--mp"), QStringLiteral("99999999999")},
                                       QStringList{QStringLiteral("--level"), QStringLiteral("-2")},
                                       QStringList{QStringLiteral("--int"), QStringLiteral("1e309")}}) {
            run = runPlanProcess(onFixtureLanguage(bad + QStringList{choices}));
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.err.trimmed(), u"That number cannot be used.");
            QVERIFY(run.out.isEmpty());
        }
    }

    void choiceFileFailures()
    {
        QTemporaryDir dir;
        QString choices = writeChoices(dir, "0\tClub\r\n6\t30\r\n");
        PlanProcessRun run = runPlanProcess(onFixtureLanguage({choices}));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("Could not read ") + choices);

        run = runPlanProcess(onFixtureLanguage({dir.filePath(QStringLiteral("missing"))}));
        QCOMPARE(run.exitCode, 1);

        choices = writeChoices(dir, "0\tClub\r\n2\t70000\r\n");
        run = runPlanProcess(onFixtureLanguage({choices}));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), u"That number cannot be used.");

        choices = writeChoices(dir, "0\tNo such thing\r\n");
        run = runPlanProcess(onFixtureLanguage({choices}));
        QCOMPARE(run.exitCode, 0); // names that match nothing add nothing: an empty plan
        QCOMPARE(run.out.count("\r\n"), 1);
    }

    void usageErrors()
    {
        QCOMPARE(runPlanProcess({}).exitCode, 2);
        QCOMPARE(runPlanProcess(onFixtureLanguage({QStringLiteral("--bogus"), QStringLiteral("x")})).exitCode, 2);
        QCOMPARE(runPlanProcess(onFixtureLanguage({QStringLiteral("a"), QStringLiteral("b")})).exitCode, 2);
        QCOMPARE(runPlanProcess(onFixtureLanguage({QStringLiteral("--priority"), QStringLiteral("6"), QStringLiteral("a")})).exitCode, 2);
        const PlanProcessRun help = runPlanProcess({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("CHOICE_FILE"));
        QVERIFY(help.out.contains("--priority"));
    }

    void languageFromTheSettingsFileAndMissingData()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(fixturePath(QStringLiteral("testland.txt")), dir.filePath(QStringLiteral("testland.txt"))));
        QDir().mkpath(dir.filePath(QStringLiteral("testland")));
        QVERIFY(QFile::copy(fixturePath(QStringLiteral("testland/testland_armes.txt")),
                            dir.filePath(QStringLiteral("testland/testland_armes.txt"))));
        writeBytes(dir.filePath(QStringLiteral("Brevath.ini")), "testland\r\n");
        const QString choices = writeChoices(dir, "0\tClub\r\n");
        PlanProcessRun run = runPlanProcess({QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--level"), QStringLiteral("190"), choices});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(QStringLiteral("Could not read ")), 9); // the nine missing catalogue files
        QVERIFY(run.out.contains("\tClub\t"));

        QFile::remove(dir.filePath(QStringLiteral("Brevath.ini"))); // falls back to english, which is not there
        run = runPlanProcess({QStringLiteral("--data-dir"), dir.path(), choices});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains(QStringLiteral("Unable to open language file ") + dir.path() + QStringLiteral("/english.txt")));
        QCOMPARE(run.out, QByteArray("\t\t\t\t\t\t\t\t\t\t\t\r\n")); // every row counts as empty
    }

    void failedExportKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString choices = writeChoices(dir, "0\tClub\r\n");
        const QString blocked = choices + QStringLiteral("/plan.txt");
        const PlanProcessRun run = runPlanProcess(onFixtureLanguage({QStringLiteral("--txt"), blocked, QStringLiteral("--html"), dir.path(), choices}));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(QStringLiteral("Could not save to ") + blocked));
        QCOMPARE(readBytes(choices), QByteArray("0\tClub\r\n"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
