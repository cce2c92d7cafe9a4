// What lets a plan travel on the choice screen: goals written in another language, rows that
// name nothing, share codes, and the order assistant's suggestion taken as one step.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

#include "GoalTranslation.h"
#include "OrderDialog.h"
#include "Prompts.h"
#include "SecondScreen.h"
#include "ShareCode.h"
#include "Workspace.h"

namespace brevath::ui {

void SecondScreen::loadRows(const std::function<bool(GoalRows &)> &load)
{
    int translated = 0;
    m_history->Do([&](GoalRows &rows) {
        if (load(rows))
            translated =
                TranslateGoals(rows, m_workspace.catalogue, m_workspace.OtherCatalogues(), m_workspace.captions);
    });
    if (translated > 0)
        m_prompts.ShowMessage(this, TranslatedGoalsMessage(translated));
}

void SecondScreen::markRow(int i)
{
    QComboBox *entry = Choix1[size_t(i)];
    const bool namesNothing = RowNamesNothing(m_workspace.goals, i, m_workspace.catalogue, m_workspace.captions);
    if (entry->property("namesNothing").toBool() == namesNothing)
        return;
    entry->setProperty("namesNothing", namesNothing);
    QPalette palette; // nothing set: the box looks as every other does
    if (namesNothing)
        palette.setColor(QPalette::Text, QColor(0x9a, 0x10, 0x10));
    entry->lineEdit()->setPalette(palette);
    entry->setToolTip(namesNothing ? tr("No entry of this name: the plan will skip this goal.") : QString());
}

void SecondScreen::copyCode()
{
    const std::optional<ChoiceList> list =
        BuildChoiceList(m_workspace.goals, m_workspace.catalogue, m_workspace.captions);
    if (!list)
        return m_prompts.ShowMessage(this, clipboardMessage(Caption::ChoiceSaveFailed));
    QGuiApplication::clipboard()->setText(
        EncodeShareCode(SharedPlanOf(m_workspace.inputs, m_workspace.filters.states, *list, m_workspace.catalogue)));
}

// Only the goals: the sheet is the start screen's, whose next build would discard these rows.
void SecondScreen::pasteCode(const QString &text)
{
    const ShareCodeRead read = DecodeShareCode(text);
    if (read.error != ShareCodeError::None)
        return m_prompts.ShowMessage(this, read.message);
    Outcome applied;
    m_history->Do([&](GoalRows &rows) {
        applied = ApplySharedGoals(rows, read.plan, m_workspace.catalogue, m_workspace.captions);
    });
    if (!applied.ok)
        m_prompts.ShowMessage(this, applied.message);
}

void SecondScreen::suggestOrder()
{
    m_history->EndTyping();
    OrderDialog dialog(m_workspace, m_workspace.goals, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<std::array<int, kChoiceRows>> order = dialog.AcceptedOrder())
        m_history->Do([&](GoalRows &rows) { rows = Reordered(rows, *order); });
}

} // namespace brevath::ui
