#include "ScreenshotTour.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "ClickableLabel.h"
#include "FirstScreen.h"
#include "HelpScreen.h"
#include "Language.h"
#include "LibraryWindow.h"
#include "Program.h"
#include "ResultListView.h"
#include "ResultTableModel.h"
#include "ScriptedPrompts.h"
#include "SecondScreen.h"
#include "ThirdScreen.h"

namespace brevath::ui {

namespace {
constexpr int kStepMilliseconds = 300;

// The walk presses controls as a player would, finding them by the names the windows give them.
template<class Control> Control &Named(QObject &window, const char *name)
{
    auto *control = window.findChild<Control *>(QLatin1String(name));
    if (!control)
        qFatal("The screenshot walk found no control named %s", name);
    return *control;
}
} // namespace

ScreenshotTour::ScreenshotTour(Program &program, ScriptedPrompts &prompts, QString outputDir, QString choiceFile,
                               QString variant)
    : m_program(program), m_prompts(prompts), m_outputDir(std::move(outputDir)), m_choiceFile(std::move(choiceFile)),
      m_variant(std::move(variant))
{
    FirstScreen &first = m_program.First();
    m_steps = {
        [&first] {
            Named<QRadioButton>(first, "Option2").setChecked(true);
            Named<QPushButton>(first, "Command2").click();
        },
        [this, &first] { save(first, "start"); },
        [&first] { emit Named<ClickableLabel>(first, "Label24").clicked(); },
        [this] { save(m_program.Help(), "help"); },
        [this] { emit Named<ClickableLabel>(m_program.Help(), "Image1").clicked(); },
        [&first] { emit Named<ClickableLabel>(first, "Label25").clicked(); },
        [this] { clickLanguageOption(); },
        [this] { save(m_program.LanguageDialog(), "language"); },
        [this] { Named<QPushButton>(m_program.LanguageDialog(), "Command1").click(); },
        [&first] { Named<QPushButton>(first, "Command3").click(); },
        [this] {
            m_prompts.QueueFileAnswer(m_choiceFile);
            Named<QPushButton>(m_program.Second(), "Command4").click();
        },
        [this] { save(m_program.Second(), "choice"); },
        [this] {
            m_prompts.QueueText(QFileInfo(m_choiceFile).completeBaseName());
            m_program.Library().show();
            Named<QPushButton>(m_program.Library(), "savePlan").click();
        },
        [this] { save(m_program.Library(), "library"); },
        [this] { m_program.Library().hide(); },
        [this] { Named<QPushButton>(m_program.Second(), "Command2").click(); },
        [this] {
            Named<QToolButton>(m_program.Third(), "chartToggle").setChecked(false);
            selectMiddleGoalLine();
        },
        [this] { save(m_program.Third(), "results"); },
        // The chart and the comparison at the start size, where room is scarcest.
        [this] { Named<QToolButton>(m_program.Third(), "chartToggle").setChecked(true); },
        [this] { save(m_program.Third(), "results_chart"); },
        [this] {
            m_prompts.QueueFileAnswer(otherExample());
            Named<QAction>(m_program.Third(), "compareFileAction").trigger();
        },
        [this] { save(m_program.Third(), "compare"); },
        [this] { Named<QPushButton>(m_program.Third(), "closeComparison").click(); },
        [this] {
            Named<QToolButton>(m_program.Third(), "chartToggle").setChecked(false);
            m_program.Third().close();
        },
    };
}

void ScreenshotTour::Run()
{
    QTimer::singleShot(kStepMilliseconds, this, &ScreenshotTour::step);
}

void ScreenshotTour::step()
{
    if (m_next >= m_steps.size())
        return;
    m_steps[m_next++]();
    QTimer::singleShot(kStepMilliseconds, this, &ScreenshotTour::step);
}

void ScreenshotTour::save(QWidget &window, const char *name)
{
    const QString language = m_program.Session().language.language;
    window.grab().save(
        QDir(m_outputDir).filePath(language + u'_' + QLatin1String(name) + m_variant + QStringLiteral(".png")));
}

void ScreenshotTour::selectMiddleGoalLine()
{
    // As a click on the chart would: the list shows the line, the chart marks its level.
    const ResultTableModel &lines = Named<ResultTableModel>(m_program.Third(), "resultModel");
    std::vector<int> goalLines;
    for (int i = 0; i < lines.rowCount(); ++i) {
        if (lines.NamesGoals(i))
            goalLines.push_back(i);
    }
    if (!goalLines.empty())
        Named<ResultListView>(m_program.Third(), "ListView1").SelectLine(goalLines[goalLines.size() / 2]);
}

QString ScreenshotTour::otherExample() const
{
    // Another character of the same language, from the folder of the walk's own plan.
    const QFileInfo own(m_choiceFile);
    const QString language = m_program.Session().language.language;
    for (const QFileInfo &example :
         own.dir().entryInfoList({language + QStringLiteral("_*.txt")}, QDir::Files, QDir::Name)) {
        if (example.fileName() != own.fileName())
            return example.filePath();
    }
    return m_choiceFile;
}

void ScreenshotTour::clickLanguageOption()
{
    // The dialog shows the language in force, so that its OK keeps it.
    Language &dialog = m_program.LanguageDialog();
    const QString language = m_program.Session().language.language;
    const char *option = language == QLatin1String("french") ? "Option2"
        : language == QLatin1String("german")                ? "Option3"
                                                             : "Option1";
    Named<QRadioButton>(dialog, option).setChecked(true);
}

} // namespace brevath::ui
