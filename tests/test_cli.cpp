// brevath-plan end to end: exports, messages and exit codes.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "TestWorld.h"

using namespace brevath::testing;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run plan(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(BREVATH_BIN "/brevath-plan"), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// The fixture language with the golden plan's start, ready for more arguments.
QStringList fixtureArgs(const QStringList &more)
{
    return QStringList{QStringLiteral("--data-dir"), QStringLiteral(BREVATH_FIXTURES), QStringLiteral("--language"),
                       QStringLiteral("testland")}
        + more;
}

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
        Run run = plan(fixtureArgs(start + QStringList{choices}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, readBytes(fixturePath(QStringLiteral("../golden/plan.txt"))));

        QTemporaryDir dir;
        const QString txt = dir.filePath(QStringLiteral("plan.txt"));
        const QString html = dir.filePath(QStringLiteral("plan page"));
        run = plan(fixtureArgs(start + QStringList{QStringLiteral("--priority"), QStringLiteral("4"),
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
        Run run = plan(fixtureArgs({QStringLiteral("--str"), QStringLiteral("12.5"), QStringLiteral("--end"),
                                    QStringLiteral("13.5abc"), QStringLiteral("--hp"), QStringLiteral(" 7"),
                                    QStringLiteral("--level"), QStringLiteral("198"), choices}));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("\r\n198\t12\t14\t12\t12\t12\t7\t50\t\t\t0\t"));

        for (const QStringList &bad : {QStringList{QStringLiteral("--mp"), QStringLiteral("99999999999")},
                                       QStringList{QStringLiteral("--level"), QStringLiteral("-2")},
                                       QStringList{QStringLiteral("--int"), QStringLiteral("1e309")}}) {
            run = plan(fixtureArgs(bad + QStringList{choices}));
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.err.trimmed(), u"That number cannot be used.");
            QVERIFY(run.out.isEmpty());
        }
    }

    void choiceFileFailures()
    {
        QTemporaryDir dir;
        QString choices = writeChoices(dir, "0\tClub\r\n6\t30\r\n");
        Run run = plan(fixtureArgs({choices}));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("Could not read ") + choices);

        run = plan(fixtureArgs({dir.filePath(QStringLiteral("missing"))}));
        QCOMPARE(run.exitCode, 1);

        choices = writeChoices(dir, "0\tClub\r\n2\t70000\r\n");
        run = plan(fixtureArgs({choices}));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), u"That number cannot be used.");

        choices = writeChoices(dir, "0\tNo such thing\r\n");
        run = plan(fixtureArgs({choices}));
        QCOMPARE(run.exitCode, 0); // names that match nothing add nothing: an empty plan
        QCOMPARE(run.out.count("\r\n"), 1);
    }

    void usageErrors()
    {
        QCOMPARE(plan({}).exitCode, 2);
        QCOMPARE(plan(fixtureArgs({QStringLiteral("--bogus"), QStringLiteral("x")})).exitCode, 2);
        QCOMPARE(plan(fixtureArgs({QStringLiteral("a"), QStringLiteral("b")})).exitCode, 2);
        QCOMPARE(plan(fixtureArgs({QStringLiteral("--priority"), QStringLiteral("6"), QStringLiteral("a")})).exitCode, 2);
        const Run help = plan({QStringLiteral("--help")});
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
        Run run = plan({QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--level"), QStringLiteral("190"), choices});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(QStringLiteral("Could not read ")), 9); // the nine missing catalogue files
        QVERIFY(run.out.contains("\tClub\t"));

        QFile::remove(dir.filePath(QStringLiteral("Brevath.ini"))); // falls back to english, which is not there
        run = plan({QStringLiteral("--data-dir"), dir.path(), choices});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains(QStringLiteral("Unable to open language file ") + dir.path() + QStringLiteral("/english.txt")));
        QCOMPARE(run.out, QByteArray("\t\t\t\t\t\t\t\t\t\t\t\r\n")); // every row counts as empty
    }

    void failedExportKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString choices = writeChoices(dir, "0\tClub\r\n");
        const QString blocked = choices + QStringLiteral("/plan.txt");
        const Run run = plan(fixtureArgs({QStringLiteral("--txt"), blocked, QStringLiteral("--html"), dir.path(), choices}));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(QStringLiteral("Could not save to ") + blocked));
        QCOMPARE(readBytes(choices), QByteArray("0\tClub\r\n"));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
