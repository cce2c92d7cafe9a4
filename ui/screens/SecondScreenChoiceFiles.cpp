// The choice screen's rows to a choice file and back: its two file buttons, and the
// clipboard, which holds the same text a file would.

#include <QClipboard>
#include <QGuiApplication>

#include "ChoiceFile.h"
#include "Prompts.h"
#include "SecondScreen.h"
#include "ShareCode.h"
#include "Workspace.h"

namespace brevath::ui {

void SecondScreen::Command3_Click()
{
    const QString path = CommonDialog1.ShowSave();
    if (path.isEmpty())
        return;
    const Outcome outcome = SaveChoiceFile(path, m_workspace.goals, m_workspace.catalogue, m_workspace.captions);
    if (!outcome.ok)
        m_prompts.ShowMessage(this, outcome.message);
}

void SecondScreen::Command4_Click()
{
    const QString path = CommonDialog1.ShowOpen();
    if (path.isEmpty())
        return;
    applyLoad(ReadChoiceFile(path, m_workspace.captions));
}

void SecondScreen::applyLoad(const ChoiceFileLoad &load)
{
    loadRows([&](GoalRows &rows) {
        ApplyChoiceLoad(rows, load);
        return true;
    });
    if (!load.ok)
        m_prompts.ShowMessage(this, load.message);
}

// A file message names the file; the clipboard's is named in the player's language.
QString SecondScreen::clipboardMessage(int captionEntry) const
{
    return m_workspace.captions.message(captionEntry, tr("(clipboard)"));
}

void SecondScreen::copyRows()
{
    const std::optional<QString> text = ChoiceFileText(m_workspace.goals, m_workspace.catalogue, m_workspace.captions);
    if (!text)
        return m_prompts.ShowMessage(this, clipboardMessage(Caption::ChoiceSaveFailed));
    QGuiApplication::clipboard()->setText(*text);
}

void SecondScreen::pasteRows()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (LooksLikeShareCode(text))
        return emit codePasted(text);
    bool pasted = false;
    loadRows([&](GoalRows &rows) { return pasted = PasteGoalList(rows, text, m_workspace.captions); });
    if (!pasted)
        m_prompts.ShowMessage(this, clipboardMessage(Caption::ReadFailed));
}

} // namespace brevath::ui
