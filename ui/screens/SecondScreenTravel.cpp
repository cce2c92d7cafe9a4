// What lets a plan travel on the choice screen: goals written in another language, rows that
// name nothing, share codes, and the order assistant's suggestion taken as one step.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

#include "Decoration.h"
#include "GoalTranslation.h"
#include "OrderDialog.h"
#include "Notice.h"
#include "Prompts.h"
#include "SecondScreen.h"
#include "PlanSource.h"
#include "ShareCode.h"
#include "Workspace.h"

namespace brevath::ui {

void SecondScreen::loadRows(const std::function<bool(GoalRows &)> &load)
{
    QStringList notes;
    m_history->Do([&](GoalRows &rows) {
        if (!load(rows))
            return;
        SourcedPlan loaded =
            ReadPlanSource(PlanSource::Rows(rows), m_workspace,
                           {UnknownGoals::Skip, SheetRule::Caller, PlanRole::Only, m_workspace.filters.states});
        rows = std::move(loaded.rows);
        notes = loaded.notes;
        FollowGoalTypes(rows, m_workspace.catalogue, m_workspace.captions, m_workspace.filters.states);
    });
    if (!notes.isEmpty())
        m_prompts.ShowMessage(this, notes.join(u'\n'));
}

void SecondScreen::markRow(int i)
{
    QComboBox *entry = Choix1[size_t(i)];
    const GoalRows &goals = m_workspace.goals;
    QString mark;
    if (RowNamesNothing(goals, i, m_workspace.catalogue, m_workspace.captions))
        mark = tr("No entry of this name: the plan will skip this goal.");
    else if (RowOutsideCategories(goals, i, m_workspace.catalogue, m_workspace.captions, m_workspace.filters.mask))
        mark = tr("This entry's category is not ticked on the start screen; the plan still counts it.");
    QPalette colours; // nothing set: the box looks as every other does
    if (!mark.isEmpty())
        colours.setColor(QPalette::Text, WarningTextColour(entry->palette()));
    entry->lineEdit()->setPalette(colours);
    if (entry->toolTip() != mark)
        entry->setToolTip(mark);
}

void SecondScreen::copyCode()
{
    const std::optional<ChoiceList> list =
        BuildChoiceList(m_workspace.goals, m_workspace.catalogue, m_workspace.captions);
    if (!list)
        return m_prompts.ShowMessage(this, copyFailedMessage());
    QGuiApplication::clipboard()->setText(
        EncodeShareCode(SharedPlanOf(m_workspace.inputs, m_workspace.filters.states, *list, m_workspace.catalogue)));
    m_notice->Flash(tr("Share code copied."));
}

void SecondScreen::suggestOrder()
{
    m_history->EndTyping();
    // The row the player was on is likely the goal to hurry.
    int focusRow = -1;
    QWidget *focused = focusWidget();
    for (size_t i = 0; focused && i < Choix1.size(); ++i) {
        if (focused == TypeObjet[i] || focused == Choix1[i] || Choix1[i]->isAncestorOf(focused))
            focusRow = int(i);
    }
    OrderDialog dialog(m_workspace, m_workspace.goals, focusRow, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<std::array<int, kChoiceRows>> order = dialog.AcceptedOrder())
        m_history->Do([&](GoalRows &rows) { rows = Reordered(rows, *order); });
}

} // namespace brevath::ui
