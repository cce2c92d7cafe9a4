#include <QApplication>
#include <QMessageBox>

#include "NativePath.h"
#include "Program.h"
#include "QtPrompts.h"

int main(int argc, char *argv[])
{
    using namespace brevath::ui;
    // Qt's own warnings mean nothing to a player.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    // The data lies beside the program or, installed, in ../share/brevath from it; without its
    // folder nothing may be read or written.
    const std::optional<QString> programFolder = brevath::ExecutableFolder();
    if (!programFolder) {
        QMessageBox::critical(nullptr, kProgramTitle,
                              QCoreApplication::translate("Brevath", "Cannot tell which folder Brevath is in."));
        return 1;
    }

    QtPrompts prompts;
    Program program(brevath::FindProgramPaths(*programFolder), prompts);
    QObject::connect(&program, &Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    program.Start();
    return app.exec();
}
