#include <QApplication>
#include <memory>

#include "Program.h"
#include "QtPrompts.h"
#include "ScreenshotTour.h"
#include "ScriptedPrompts.h"

int main(int argc, char *argv[])
{
    using namespace brevath::ui;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);

    // The screenshot script's hidden hook: no dialog may wait for a click there.
    const QString tourDir = qEnvironmentVariable("BREVATH_SCREENSHOT_DIR");
    QtPrompts playerPrompts;
    ScriptedPrompts scriptedPrompts;
    Prompts &prompts = tourDir.isEmpty() ? static_cast<Prompts &>(playerPrompts) : scriptedPrompts;

    Program program(QCoreApplication::applicationDirPath(), prompts);
    QObject::connect(&program, &Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    std::unique_ptr<ScreenshotTour> tour;
    if (!tourDir.isEmpty()) {
        tour = std::make_unique<ScreenshotTour>(program, scriptedPrompts, tourDir,
                                                qEnvironmentVariable("BREVATH_SCREENSHOT_CHOICES"));
        tour->Run();
    }
    program.Start();
    return app.exec();
}
