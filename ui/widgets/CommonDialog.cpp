#include "CommonDialog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "NativePath.h"
#include "Prompts.h"

namespace brevath::ui {

FileType FileType::Text()
{
    return {QCoreApplication::translate("Brevath", "Text files (*.txt)"), QStringLiteral("txt")};
}

FileType FileType::Html()
{
    return {QCoreApplication::translate("Brevath", "Web pages (*.html *.htm)"), QStringLiteral("html")};
}

FileType FileType::Choices()
{
    return {QCoreApplication::translate("Brevath", "Choice files (*.txt)"), QStringLiteral("txt")};
}

QString FileType::Completed(const QString &path) const
{
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + suffix : path;
}

// The dialog sees names as displayable text; the chosen path is mapped back to the real bytes.
QString CommonDialog::ShowSave(const FileType &type)
{
    const QString path = RecoverDialogPath(m_prompts.SaveFileName(m_owner, DisplayPath(m_fileName), type.filter));
    return remember(path.isEmpty() ? path : type.Completed(path));
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
