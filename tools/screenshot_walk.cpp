// Walks the desktop program's windows on one program folder and saves a picture of each.
// Usage: screenshot_walk PROGRAM_DIR OUTPUT_DIR CHOICE_FILE [dark]
// With "dark", under a dark palette, the pictures named <language>_<window>_dark.png.

#include <QApplication>
#include <QPalette>
#include <cstdio>

#include "Program.h"
#include "Prompts.h"
#include "ScreenshotTour.h"
#include "ScriptedPrompts.h"

namespace {

// A dark desktop as a player might have set it.
void UseDarkPalette(QApplication &app)
{
    app.setStyle(QStringLiteral("Fusion"));
    QPalette dark;
    const QColor window(0x2b, 0x2b, 0x2e), base(0x1e, 0x1e, 0x20), text(0xe8, 0xe8, 0xe8);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Mid, QColor(0x55, 0x55, 0x58));
    app.setPalette(dark);
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace brevath::ui;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    const QStringList arguments = QCoreApplication::arguments();
    const bool dark = arguments.size() == 5 && arguments[4] == QLatin1String("dark");
    if (arguments.size() != 4 && !dark) {
        std::fputs("usage: screenshot_walk PROGRAM_DIR OUTPUT_DIR CHOICE_FILE [dark]\n", stderr);
        return 2;
    }
    if (dark)
        UseDarkPalette(app);

    // Nobody clicks here: every message is taken in silence and the file dialogs answer from the walk.
    ScriptedPrompts prompts;
    Program program(arguments[1], prompts);
    QObject::connect(&program, &Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    ScreenshotTour tour(program, prompts, arguments[2], arguments[3], dark ? QStringLiteral("_dark") : QString());
    tour.Run();
    program.Start();
    const int status = app.exec();
    for (const QString &message : prompts.messages)
        std::fprintf(stderr, "screenshot_walk: message shown: %s\n", qPrintable(message));
    return status;
}
