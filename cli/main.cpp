#include <QCoreApplication>

#include "LanguageSettings.h"
#include "PlanCommand.h"
#include "Translations.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brevath-plan"));
    const QString programDir = QCoreApplication::applicationDirPath();
    // The messages that are not captions follow the installation's language; an unknown
    // program folder has no settings to read.
    if (!programDir.isEmpty())
        brevath::UseTranslations(programDir,
                                 brevath::ReadLanguageWord(brevath::SettingsFilePath(programDir)).value_or(QString()));
    return brevath::RunPlanCommand(QCoreApplication::arguments(), programDir, stdout, stderr);
}
