// The choice screen's rows to a choice file and back: its two file buttons, and the
// clipboard, which holds the same text a file would.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMimeData>

#include "ChoiceFile.h"
#include "Workspace.h"
#include "Prompts.h"
#include "SecondScreen.h"

namespace brevath::ui {

namespace {
// Where the messages of the clipboard say the rows went or came from.
const QString kClipboardName = QStringLiteral("(clipboard)");
}

void SecondScreen::Command3_Click()
{
    const QString path = CommonDialog1.ShowSave();
    if (path.isEmpty())
        return;
    const SaveOutcome outcome = SaveChoiceFile(path, RowTexts(), m_workspace.goals.kinds, m_workspace.choices,
                                               m_workspace.catalogue, m_workspace.captions);
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

void SecondScreen::copyRows()
{
    const std::optional<QString> text =
        ChoiceFileText(RowTexts(), m_workspace.goals.kinds, m_workspace.catalogue, m_workspace.captions);
    if (!text) {
        m_prompts.ShowMessage(this, m_workspace.captions.message(Caption::ChoiceSaveFailed, kClipboardName));
        return;
    }
    QGuiApplication::clipboard()->setText(*text);
}

void SecondScreen::pasteRows()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    ChoiceFileLoad load = ParseChoiceText(data->text(), m_workspace.captions);
    if (!load.ok)
        load.message = m_workspace.captions.message(Caption::ReadFailed, kClipboardName);
    applyLoad(load);
}

void SecondScreen::applyLoad(const ChoiceFileLoad &load)
{
    {
        ChoiceStep step(*m_history);
        for (size_t i = 0; i < load.rows.size() && i < Choix1.size(); ++i)
            applyLoadedRow(int(i), load.rows[i]);
    }
    if (!load.ok)
        m_prompts.ShowMessage(this, load.message);
}

void SecondScreen::applyLoadedRow(int row, const LoadedChoiceRow &loaded)
{
    if (loaded.typeFromEnd >= 0)
        selectType(row, loaded.typeFromEnd + TypeObjet[size_t(row)]->count() - 6);
    Choix1[size_t(row)]->setEditText(loaded.text);
    m_workspace.goals.kinds[size_t(row)] = loaded.kind;
}

} // namespace brevath::ui
