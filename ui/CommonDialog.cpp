#include "CommonDialog.h"

#include "Prompts.h"

namespace brevath::ui {

QString CommonDialog::ShowSave()
{
    return remember(m_prompts.SaveFileName(m_owner, m_fileName));
}

QString CommonDialog::ShowOpen()
{
    return remember(m_prompts.OpenFileName(m_owner, m_fileName));
}

QString CommonDialog::remember(const QString &path)
{
    if (!path.isEmpty())
        m_fileName = path;
    return path;
}

} // namespace brevath::ui
