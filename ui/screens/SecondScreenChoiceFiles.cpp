// The choice screen's rows to a choice file and back: its two file buttons, and the
// clipboard, which holds the same text a file would.

#include <QClipboard>
#include <QGuiApplication>

#include "ChoiceFile.h"
#include "Notice.h"
#include "Prompts.h"
#include "SecondScreen.h"
#include "ShareCode.h"
#include "Workspace.h"

namespace brevath::ui {

void SecondScreen::Command3_Click()
{
    const QString path = CommonDialog1.ShowSave(FileType::Choices());
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

QString SecondScreen::copyFailedMessage()
{
    return tr("Nothing was copied: a statistic value is not a number a plan can hold.");
}

void SecondScreen::copyRows()
{
    const std::optional<QString> text = ChoiceFileText(m_workspace.goals, m_workspace.catalogue, m_workspace.captions);
    if (!text)
        return m_prompts.ShowMessage(this, copyFailedMessage());
    QGuiApplication::clipboard()->setText(*text);
    m_notice->Flash(tr("Goal list copied."));
}

void SecondScreen::pasteRows()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (LooksLikeShareCode(text))
        return emit codePasted(text);
    bool pasted = false;
    loadRows([&](GoalRows &rows) { return pasted = PasteGoalList(rows, text, m_workspace.captions); });
    if (!pasted)
        m_prompts.ShowMessage(this, tr("The clipboard holds neither a goal list nor a share code."));
}

} // namespace brevath::ui
