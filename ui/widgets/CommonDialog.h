#pragma once
// The file dialog of a screen: one for both of its buttons, remembering the last name chosen.

#include <QString>

class QWidget;

namespace brevath::ui {

class Prompts;

// A kind of file the program saves: its name in the dialog, and the suffix a name chosen
// without any gets.
struct FileType
{
    QString filter; // "Text files (*.txt)"
    QString suffix; // "txt"

    static FileType Text();
    static FileType Html();
    static FileType Choices();
    // The path with the suffix when its name has none.
    QString Completed(const QString &path) const;
};

class CommonDialog
{
public:
    CommonDialog(Prompts &prompts, QWidget *owner) : m_prompts(prompts), m_owner(owner) {}

    // The chosen path, or empty text when the user cancels (the last name is then kept). A
    // save offers its file type, and a name chosen without a suffix gets the type's.
    QString ShowSave(const FileType &type);
    QString ShowOpen();

    const QString &FileName() const { return m_fileName; }

private:
    QString remember(const QString &path);

    Prompts &m_prompts;
    QWidget *m_owner;
    QString m_fileName;
};

} // namespace brevath::ui
