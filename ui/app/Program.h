#pragma once
// The running program: the planning session and its five windows, and the way between them.

#include <QObject>
#include <QString>
#include <array>
#include <memory>

#include "PlanFile.h"
#include "PlanSource.h"
#include "ProgramPaths.h"
#include "Workspace.h"

class QWidget;

namespace brevath::ui {

class FirstScreen;
class HelpScreen;
class Language;
class LibraryWindow;
class ProgramWindow;
class Prompts;
class SecondScreen;
class ThirdScreen;

class Program : public QObject
{
    Q_OBJECT

public:
    // paths.dataDir holds the caption files and the language folders, paths.settingsDir
    // Brevath.ini; a folder alone holds both.
    Program(const ProgramPaths &paths, Prompts &prompts);
    Program(const QString &programDir, Prompts &prompts) : Program(PortablePaths(programDir), prompts) {}
    ~Program() override;

    // Shows the start screen; its first activation loads the language.
    void Start();

    // Reads the settings file, captions all four screens and reloads the catalogue; with no
    // readable settings file, the language dialog takes the start screen's place.
    void LoadLanguage();
    // Centres the language dialog on the start screen, shows it and hides the start screen.
    void ShowLanguageDialog();

    Workspace &Session() { return m_workspace; }
    FirstScreen &First() { return *m_first; }
    SecondScreen &Second() { return *m_second; }
    ThirdScreen &Third() { return *m_third; }
    HelpScreen &Help() { return *m_help; }
    Language &LanguageDialog() { return *m_language; }
    LibraryWindow &Library() { return *m_library; }

    // A plan into the screens: its sheet, priority and ticked categories on the start screen,
    // its goals on the choice screen, all as one step of the choice screen's history, and the
    // choice screen shown;
    // what the player should know of it is told over `from`. False, with nothing changed, when
    // it cannot be read or its sheet cannot be committed.
    bool OpenPlan(const PlanSource &source, QWidget *from);
    // The first plan opened and played, the second beside it on the results screen.
    void ComparePlans(const PlanFile &first, const PlanFile &second);

signals:
    // A window was closed and with it all the others: the program is over.
    void ended();

private:
    std::array<ProgramWindow *, 5> windows() const;
    void connectPages();
    void openChoiceScreen();
    void openResultsScreen();
    void changeLanguage();
    void end();
    QWidget *shownWindow() const;
    void showMessage(const QString &text);
    void showLibrary();
    PlanFile sheetInForce() const;
    // What the start screen shows and what the choice screen is built on, as one: a plan
    // opened over them is undone with its rows.
    struct SheetState
    {
        SheetTexts texts;
        int priority;
        CategoryStates shown, built;
        PlanInputs inputs;
    };
    SheetState sheetState() const;
    void putSheet(const SheetState &state);

    Workspace m_workspace;
    Prompts &m_prompts;
    ProgramPaths m_paths;
    std::unique_ptr<FirstScreen> m_first;
    std::unique_ptr<SecondScreen> m_second;
    std::unique_ptr<ThirdScreen> m_third;
    std::unique_ptr<HelpScreen> m_help;
    std::unique_ptr<Language> m_language;
    std::unique_ptr<LibraryWindow> m_library;
    bool m_ending = false;
};

} // namespace brevath::ui
