#pragma once
// The file dialog of a screen: one for both of its buttons, remembering the last name chosen.

#include <QString>

class QWidget;

namespace brevath::ui {

class Prompts;

class CommonDialog
{
public:
    CommonDialog(Prompts &prompts, QWidget *owner) : m_prompts(prompts), m_owner(owner) {}

    // The chosen path, or empty text when the user cancels (the last name is then kept).
    QString ShowSave();
    QString ShowOpen();

    const QString &FileName() const { return m_fileName; }

private:
    QString remember(const QString &path);

    Prompts &m_prompts;
    QWidget *m_owner;
    QString m_fileName;
};

} // namespace brevath::ui
