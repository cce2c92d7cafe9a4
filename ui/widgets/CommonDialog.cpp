#include "CommonDialog.h"

#include "NativePath.h"
#include "Prompts.h"

namespace brevath::ui {

// The dialog sees names as displayable text; the chosen path is mapped back to the real bytes.
QString CommonDialog::ShowSave()
{
    return remember(RecoverDialogPath(m_prompts.SaveFileName(m_owner, DisplayPath(m_fileName))));
}

QString CommonDialog::ShowOpen()
{
    return remember(RecoverDialogPath(m_prompts.OpenFileName(m_owner, DisplayPath(m_fileName))));
}

QString CommonDialog::remember(const QString &path)
{
    if (!path.isEmpty())
        m_fileName = path;
    return path;
}

} // namespace brevath::ui
