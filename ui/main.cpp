#include <QApplication>
#include <QMessageBox>
#include <memory>

#include "NativePath.h"
#include "Program.h"
#include "QtPrompts.h"
#include "ScreenshotTour.h"
#include "ScriptedPrompts.h"

int main(int argc, char *argv[])
{
    using namespace brevath::ui;
    // Qt's own warnings mean nothing to a player.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    // Every data file lives beside the program; without its folder nothing may be read or written.
    const std::optional<QString> programFolder = brevath::ExecutableFolder();
    if (!programFolder) {
        QMessageBox::critical(nullptr, kProgramTitle,
                              QCoreApplication::translate("Brevath", "Cannot tell which folder Brevath is in."));
        return 1;
    }

    // The screenshot script's hidden hook: no dialog may wait for a click there.
    const QString tourDir = qEnvironmentVariable("BREVATH_SCREENSHOT_DIR");
    QtPrompts playerPrompts;
    ScriptedPrompts scriptedPrompts;
    Prompts &prompts = tourDir.isEmpty() ? static_cast<Prompts &>(playerPrompts) : scriptedPrompts;

    Program program(*programFolder, prompts);
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
