#pragma once
// Runs brevath-plan (or a copy of it) as a player would, for the end-to-end tests.

#include <QStringList>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "NativePath.h"
#include "TextFile.h"

namespace brevath::testing {

struct PlanProcessRun
{
    int exitCode = -1; // -1: it did not finish in time; -2: it crashed
    QByteArray out;
    QString err; // its bytes as a path decodes them, so a name that is not UTF-8 stays findable
    long peakKb = 0; // the child's peak resident memory
};

const QByteArray kPlanProgram = BREVATH_BIN "/brevath-plan";

// On raw argument bytes, as a shell passes them; standard output to stdoutPath when given.
inline PlanProcessRun runRaw(const QByteArray &program, const QList<QByteArray> &arguments,
                             const char *stdoutPath = nullptr)
{
    QTemporaryDir dir;
    const QByteArray outPath =
        stdoutPath ? QByteArray(stdoutPath) : EncodeNativePath(dir.filePath(QStringLiteral("out")));
    const QByteArray errPath = EncodeNativePath(dir.filePath(QStringLiteral("err")));
    std::vector<char *> argv{const_cast<char *>(program.constData())};
    for (const QByteArray &a : arguments)
        argv.push_back(const_cast<char *>(a.constData()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        ::dup2(::open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        ::dup2(::open(errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        ::alarm(30); // a run that hangs is ended, and counted as not finished
        ::execv(program.constData(), argv.data());
        ::_exit(127);
    }
    PlanProcessRun run;
    int status = 0;
    rusage usage{};
    if (pid > 0 && ::wait4(pid, &status, 0, &usage) == pid)
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status) == SIGALRM ? -1 : -2;
    run.peakKb = usage.ru_maxrss;
    run.out = stdoutPath ? QByteArray() : ReadFileBytes(dir.filePath(QStringLiteral("out"))).value_or("<none>");
    run.err = DecodeNativePath(ReadFileBytes(dir.filePath(QStringLiteral("err"))).value_or("<none>"));
    return run;
}

inline PlanProcessRun runPlanProcess(const QStringList &arguments, const char *stdoutPath = nullptr)
{
    QList<QByteArray> bytes;
    for (const QString &a : arguments)
        bytes << EncodeNativePath(a);
    return runRaw(kPlanProgram, bytes, stdoutPath);
}

// The fixture language, ready for more arguments.
inline QStringList onFixtureLanguage(const QStringList &more)
{
    return QStringList{QStringLiteral("--data-dir"), QStringLiteral(BREVATH_FIXTURES), QStringLiteral("--language"),
                       QStringLiteral("testland")}
    + more;
}

} // namespace brevath::testing
