#include <QCoreApplication>

#include "PlanCommand.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brevath-plan"));
    return brevath::RunPlanCommand(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(), stdout,
                                   stderr);
}
