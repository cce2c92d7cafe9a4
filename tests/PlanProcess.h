#pragma once
// Runs brevath-plan as a player would, for the end-to-end tests.

#include <QProcess>
#include <QStringList>
#include <functional>

namespace brevath::testing {

struct PlanProcessRun
{
    int exitCode = -1; // -1: it did not finish in time; -2: it crashed
    QByteArray out;
    QString err;
};

inline PlanProcessRun runPlanProcess(const QStringList &arguments, int timeoutMs = 30000,
                                     const std::function<void()> &inChild = {})
{
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(QStringLiteral(BREVATH_BIN "/brevath-plan"), arguments);
    PlanProcessRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The fixture language, ready for more arguments.
inline QStringList onFixtureLanguage(const QStringList &more)
{
    return QStringList{QStringLiteral("--data-dir"), QStringLiteral(BREVATH_FIXTURES), QStringLiteral("--language"),
                       QStringLiteral("testland")}
        + more;
}

} // namespace brevath::testing
