#include "Program.h"

#include <QGuiApplication>
#include <QScreen>

#include "FirstScreen.h"
#include "HelpScreen.h"
#include "Language.h"
#include "LibraryWindow.h"
#include "PlanLibrary.h"
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

Program::Program(const ProgramPaths &paths, Prompts &prompts)
    : m_prompts(prompts), m_paths(paths), m_first(std::make_unique<FirstScreen>()),
      m_second(std::make_unique<SecondScreen>(m_workspace, prompts)),
      m_third(std::make_unique<ThirdScreen>(m_workspace, prompts)), m_help(std::make_unique<HelpScreen>()),
      m_language(std::make_unique<Language>()),
      m_library(std::make_unique<LibraryWindow>(
          m_workspace, prompts, [this] { return LibraryFolder(m_paths.settingsDir); },
          [this] { return std::optional<PlanFile>(sheetInForce()); }))
{
    connectPages();
    m_third->SetChartShown(ReadChartShown(m_paths));
    connect(m_third.get(), &ThirdScreen::chartShownChanged, this,
            [this](bool shown) { WriteChartShown(m_paths, shown); });
    m_third->SetPlayerSize(ReadResultsSize(m_paths));
    connect(m_third.get(), &ThirdScreen::playerSizeChanged, this,
            [this](const QSize &size) { WriteResultsSize(m_paths, size); });
    m_help->SetPaths(m_paths.dataDir, m_paths.settingsFile());
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
    // A code brings its whole plan, so that it plays here as it does wherever it is used.
    connect(m_second.get(), &SecondScreen::codePasted, this, [this](const QString &code) {
        if (OpenPlan(PlanSource::Code(code), m_second.get()))
            m_prompts.ShowMessage(m_second.get(),
                                  tr("The share code's sheet, priority and ticked categories are "
                                     "now on the start screen."));
    });
    connect(m_third.get(), &ThirdScreen::previousPageRequested, this, [this] {
        m_second->show();
        m_third->hide();
    });
    connect(m_language.get(), &Language::okClicked, this, &Program::changeLanguage);
    connect(m_first.get(), &FirstScreen::libraryRequested, this, &Program::showLibrary);
    connect(m_library.get(), &LibraryWindow::openRequested, this, [this](const QString &path, const PlanFile &plan) {
        if (!OpenPlan(PlanSource::Plan(plan), m_library.get()))
            return;
        m_library->SetCurrentPath(path);
        m_library->hide();
    });
    connect(m_library.get(), &LibraryWindow::compareRequested, this,
            [this](const QString &firstPath, const PlanFile &first, const PlanFile &second) {
                m_library->hide();
                m_library->SetCurrentPath(firstPath);
                ComparePlans(first, second);
            });
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
    m_second->MakeCombos(m_first->CategoryBoxes(), m_first->ShowWaitNotice());
    m_second->show();
    m_first->hide();
}

void Program::openResultsScreen()
{
    m_third->PlaceAt(*m_first);
    // A statistic target outside 0 to 65535 cannot be planned: the choice screen stays.
    if (!m_third->MakeList()) {
        showMessage(m_workspace.captions.entry(Caption::CommitFailed));
        return;
    }
    m_third->show();
    m_second->hide();
}

void Program::showLibrary()
{
    m_library->Refresh();
    m_library->show();
    m_library->raise();
    m_library->activateWindow();
}

PlanFile Program::sheetInForce() const
{
    PlanFile plan;
    plan.language = m_workspace.language.language;
    plan.sheet = m_first->SheetBoxTexts();
    plan.priority = m_first->SelectedPriority();
    plan.categories = m_first->CategoryBoxes();
    return plan;
}

bool Program::OpenPlan(const PlanSource &source, QWidget *from)
{
    const SourcedPlan plan = ReadPlanSource(
        source, m_workspace, {UnknownGoals::Skip, SheetRule::Source, PlanRole::Only, m_first->CategoryBoxes()});
    const PlanSheet sheet = plan.sheet.value_or(PlanSheet{});
    PlanInputs inputs;
    if (!plan.ok || !CommitSheet(sheet.texts, sheet.priority, inputs)) {
        m_prompts.ShowMessage(from, plan.ok ? m_workspace.captions.entry(Caption::CommitFailed) : plan.message);
        return false;
    }
    const SheetState before = sheetState();
    placeAt(*m_second, *m_first);
    // The rows keep their history across the build, so the opening, sheet and all, is one step
    // to undo.
    putSheet({sheet.texts, sheet.priority, sheet.categories, sheet.categories, inputs});
    m_second->OpenGoals(plan.rows,
                        [this, before, after = sheetState()](bool forth) { putSheet(forth ? after : before); });
    for (QWidget *window : {static_cast<QWidget *>(m_first.get()), static_cast<QWidget *>(m_third.get()),
                            static_cast<QWidget *>(m_help.get())})
        window->hide();
    m_second->show();
    if (!plan.notes.isEmpty())
        m_prompts.ShowMessage(m_second.get(), plan.notes.join(u'\n'));
    return true;
}

Program::SheetState Program::sheetState() const
{
    return {m_first->SheetBoxTexts(), m_first->SelectedPriority(), m_first->CategoryBoxes(), m_workspace.filters.states,
            m_workspace.inputs};
}

void Program::putSheet(const SheetState &state)
{
    m_first->ShowSheet(state.texts, state.priority, state.shown);
    m_workspace.inputs = state.inputs;
    m_second->MakeCombos(state.built, nullptr);
}

void Program::ComparePlans(const PlanFile &first, const PlanFile &second)
{
    if (!OpenPlan(PlanSource::Plan(first), m_library.get()))
        return;
    openResultsScreen();
    if (m_third->isVisible())
        m_third->CompareWith(PlanSource::Plan(second));
}

void Program::end()
{
    if (m_ending)
        return;
    m_ending = true;
    m_library->hide();
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
