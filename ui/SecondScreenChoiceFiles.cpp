// The choice screen's two file buttons: save the rows to a choice file, load them back.

#include <QComboBox>

#include "core/ChoiceFile.h"
#include "core/Workspace.h"
#include "ui/Prompts.h"
#include "ui/SecondScreen.h"

namespace brevath::ui {

void SecondScreen::Command3_Click()
{
    const QString path = CommonDialog1.ShowSave();
    if (path.isEmpty())
        return;
    const SaveOutcome outcome = SaveChoiceFile(path, RowTexts(), m_workspace.rowKinds, m_workspace.choices,
                                               m_workspace.catalogue, m_workspace.captions);
    if (!outcome.ok)
        m_prompts.ShowMessage(this, outcome.message);
}

void SecondScreen::Command4_Click()
{
    const QString path = CommonDialog1.ShowOpen();
    if (path.isEmpty())
        return;
    const ChoiceFileLoad load = ReadChoiceFile(path, m_workspace.captions);
    for (size_t i = 0; i < load.rows.size() && i < Choix1.size(); ++i)
        applyLoadedRow(int(i), load.rows[i]);
    if (!load.ok)
        m_prompts.ShowMessage(this, load.message);
}

void SecondScreen::applyLoadedRow(int row, const LoadedChoiceRow &loaded)
{
    if (loaded.typeFromEnd >= 0)
        selectType(row, loaded.typeFromEnd + TypeObjet[size_t(row)]->count() - 6);
    Choix1[size_t(row)]->setEditText(loaded.text);
    m_workspace.rowKinds[size_t(row)] = loaded.kind;
}

} // namespace brevath::ui
