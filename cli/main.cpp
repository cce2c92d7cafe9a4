#include <QCoreApplication>

#include "NativePath.h"
#include "PlanCommand.h"

int main(int argc, char *argv[])
{
    // Paths are taken from the raw bytes: Qt's own decoding would change names that are not UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << brevath::DecodeNativePath(argv[i]);
    // Qt's own warnings mean nothing to a player; every message of the program is its own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brevath-plan"));
    const brevath::ProgramPaths paths = brevath::FindProgramPaths(brevath::ExecutableFolder().value_or(QString()));
    return brevath::RunPlanCommand(arguments, paths, 1, stderr);
}
