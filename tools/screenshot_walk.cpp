// Walks the desktop program's windows on one program folder and saves a picture of each.
// Usage: screenshot_walk PROGRAM_DIR OUTPUT_DIR CHOICE_FILE

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

#include "Program.h"
#include "Prompts.h"
#include "ScreenshotTour.h"
#include "ScriptedPrompts.h"

int main(int argc, char *argv[])
{
    using namespace brevath::ui;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    // The walk toggles the chart: that must not become the developer's own remembered choice.
    QStandardPaths::setTestModeEnabled(true);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: screenshot_walk PROGRAM_DIR OUTPUT_DIR CHOICE_FILE\n", stderr);
        return 2;
    }

    // Nobody clicks here: every message is taken in silence and the file dialogs answer from the walk.
    ScriptedPrompts prompts;
    Program program(arguments[1], prompts);
    QObject::connect(&program, &Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    ScreenshotTour tour(program, prompts, arguments[2], arguments[3]);
    tour.Run();
    program.Start();
    const int status = app.exec();
    for (const QString &message : prompts.messages)
        std::fprintf(stderr, "screenshot_walk: message shown: %s\n", qPrintable(message));
    return status;
}
