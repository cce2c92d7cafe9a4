#pragma once
// A walk through the five windows that saves a picture of each: run by scripts/screenshots,
// never by a player.

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace brevath::ui {

class Program;
class ScriptedPrompts;

class ScreenshotTour : public QObject
{
    Q_OBJECT

public:
    // Pictures go to outputDir as <language>_<window><variant>.png; the choice screen loads
    // choiceFile.
    ScreenshotTour(Program &program, ScriptedPrompts &prompts, QString outputDir, QString choiceFile, QString variant);

    // Takes its steps one event-loop turn apart, so that every window is drawn, then ends the program.
    void Run();

private:
    void step();
    void save(QWidget &window, const char *name);
    void clickLanguageOption();
    void selectMiddleGoalLine();
    QString otherExample() const;

    Program &m_program;
    ScriptedPrompts &m_prompts;
    QString m_outputDir;
    QString m_choiceFile;
    QString m_variant;
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
};

} // namespace brevath::ui
