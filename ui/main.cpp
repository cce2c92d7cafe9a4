#include <QApplication>

#include "Program.h"
#include "QtPrompts.h"

int main(int argc, char *argv[])
{
    using namespace brevath::ui;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);

    QtPrompts prompts;
    Program program(QCoreApplication::applicationDirPath(), prompts);
    QObject::connect(&program, &Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    program.Start();
    return app.exec();
}
