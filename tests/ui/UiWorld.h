#pragma once
// Shared by the window tests: a program directory of its own, the program started on it,
// its dialogs answered by a script.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestWorld.h"
#include "Controls.h"
#include "FirstScreen.h"
#include "HelpScreen.h"
#include "Language.h"
#include "Program.h"
#include "ResultTableModel.h"
#include "RiseChart.h"
#include "ScriptedPrompts.h"
#include "SecondScreen.h"
#include "ThirdScreen.h"

namespace brevath::testing {

// Copies a language's caption file and catalogue folder from dataDir into programDir.
void copyLanguage(const QString &dataDir, const QString &word, const QString &programDir);

// A named control of a window; the test stops at once when the window has none.
template<class Control> Control *control(QWidget &window, const QString &name)
{
    auto *found = window.findChild<Control *>(name);
    if (!found)
        qFatal("%s has no control %s", qPrintable(window.objectName()), qPrintable(name));
    return found;
}

struct UiWorld
{
    QTemporaryDir dir;
    ui::ScriptedPrompts prompts;
    std::unique_ptr<ui::Program> program;
    int endings = 0;

    QString path(const QString &name) const { return dir.filePath(name); }
    ui::FirstScreen &first() { return program->First(); }
    ui::SecondScreen &second() { return program->Second(); }
    ui::ThirdScreen &third() { return program->Third(); }
    // The results screen's plan, and its chart.
    ui::ResultTableModel &results() { return *control<ui::ResultTableModel>(third(), "resultModel"); }
    ui::RiseChart &chart() { return *control<ui::RiseChart>(third(), "chart"); }
    Workspace &session() { return program->Session(); }
    const CaptionTable &captions() { return program->Session().captions; }
};

// The fixture language and English (with shipped, the three shipped languages and their
// translations), Brevath.ini naming settingsWord (none when empty); the program started and
// its first activation done.
std::unique_ptr<UiWorld> startWorld(const QString &settingsWord = QStringLiteral("testland"), bool shipped = false);

// Lets queued work run, such as the first activation.
void settle();

// The start screen's "Prochaine Page", with the boxes as they are; the choice screen is
// then the active window, which the shortcuts reach.
void openChoiceScreen(UiWorld &world);
// A world started and on its choice screen.
std::unique_ptr<UiWorld> choiceWorld(const QString &settingsWord = QStringLiteral("testland"));
// A named push button of a window, clicked; a named action, triggered.
inline void clickButton(QWidget &window, const char *name)
{
    control<QPushButton>(window, QLatin1String(name))->click();
}
inline void trigger(QWidget &window, const char *action)
{
    control<QAction>(window, QLatin1String(action))->trigger();
}

// Row i of the choice screen: its type list and its entry box.
inline QComboBox *typeList(UiWorld &world, int row)
{
    return control<QComboBox>(world.second(), ui::ElementName("TypeObjet", row));
}
inline QComboBox *entryBox(UiWorld &world, int row)
{
    return control<QComboBox>(world.second(), ui::ElementName("Choix1", row));
}
// As the player picks the type at this position of a row, or types a row's whole text: the
// screen's rows follow the player, not what a test sets in a box.
void pickType(UiWorld &world, int row, int position);
void typeText(UiWorld &world, int row, const QString &text);
// The type of a row picked by its caption.
inline void chooseType(UiWorld &world, int row, int captionEntry)
{
    pickType(world, row, typeList(world, row)->findText(world.captions().entry(captionEntry)));
}

// Every item of a drop-down list.
QStringList listItems(const QComboBox *box);

} // namespace brevath::testing
