#include "Program.h"

#include <QGuiApplication>
#include <QScreen>

#include "FirstScreen.h"
#include "HelpScreen.h"
#include "Language.h"
#include "Prompts.h"
#include "SecondScreen.h"
#include "ThirdScreen.h"

namespace brevath::ui {

namespace {

// A screen taking the place of another: its left, top, width and height.
void placeAt(QWidget &screen, const QWidget &place)
{
    screen.move(place.pos());
    screen.resize(place.size());
}

} // namespace

Program::Program(const QString &programDir, Prompts &prompts)
    : m_prompts(prompts), m_programDir(programDir), m_first(std::make_unique<FirstScreen>()),
      m_second(std::make_unique<SecondScreen>(m_workspace, prompts)),
      m_third(std::make_unique<ThirdScreen>(m_workspace, prompts)), m_help(std::make_unique<HelpScreen>()),
      m_language(std::make_unique<Language>())
{
    connectPages();
    for (ProgramWindow *window : windows())
        connect(window, &ProgramWindow::closed, this, &Program::end);
}

std::array<ProgramWindow *, 5> Program::windows() const
{
    return {m_first.get(), m_second.get(), m_third.get(), m_help.get(), m_language.get()};
}

Program::~Program() = default;

void Program::connectPages()
{
    connect(m_first.get(), &FirstScreen::firstActivated, this, &Program::LoadLanguage);
    connect(m_first.get(), &FirstScreen::nextPageRequested, this, &Program::openChoiceScreen);
    connect(m_first.get(), &FirstScreen::languageRequested, this, &Program::ShowLanguageDialog);
    connect(m_first.get(), &FirstScreen::helpRequested, this, [this] {
        placeAt(*m_help, *m_first);
        m_help->show();
        m_first->hide();
    });
    connect(m_help.get(), &HelpScreen::returnRequested, this, [this] {
        m_first->move(m_help->pos());
        m_first->show();
        m_help->hide();
    });
    connect(m_second.get(), &SecondScreen::previousPageRequested, this, [this] {
        m_second->hide();
        m_first->show();
    });
    connect(m_second.get(), &SecondScreen::nextPageRequested, this, &Program::openResultsScreen);
    connect(m_third.get(), &ThirdScreen::previousPageRequested, this, [this] {
        m_second->show();
        m_third->hide();
    });
    connect(m_language.get(), &Language::okClicked, this, &Program::changeLanguage);
}

void Program::Start()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        m_first->move(area.center() - m_first->rect().center());
    }
    m_first->show();
}

void Program::openChoiceScreen()
{
    if (!CommitSheet(m_first->SheetBoxTexts(), m_first->SelectedPriority(), m_workspace.inputs)) {
        showMessage(m_workspace.captions.entry(Caption::CommitFailed));
        return;
    }
    placeAt(*m_second, *m_first);
    m_first->ShowWaitNotice();
    m_second->MakeCombos(m_first->CategoryBoxes(), m_first->ProgressBar1);
    m_second->show();
    m_first->hide();
}

void Program::openResultsScreen()
{
    placeAt(*m_third, *m_first);
    // A statistic target outside 0 to 65535 cannot be planned: the choice screen stays.
    if (!m_third->MakeList()) {
        showMessage(m_workspace.captions.entry(Caption::CommitFailed));
        return;
    }
    m_third->show();
    m_second->hide();
}

void Program::end()
{
    if (m_ending)
        return;
    m_ending = true;
    for (ProgramWindow *window : windows()) {
        if (!window->IsClosed())
            window->close();
    }
    emit ended();
}

QWidget *Program::shownWindow() const
{
    for (QWidget *window : windows()) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

void Program::showMessage(const QString &text)
{
    m_prompts.ShowMessage(shownWindow(), text);
}

} // namespace brevath::ui
