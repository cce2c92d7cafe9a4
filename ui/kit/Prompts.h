#pragma once
// What the windows ask of the user through the platform's dialogs; tests answer it from a script.

#include <QString>
#include <optional>

class QWidget;

namespace brevath::ui {

// The program's own title, on every message box.
inline const QString kProgramTitle = QStringLiteral("Brevath");

class Prompts
{
public:
    virtual ~Prompts() = default;

    // A message box with an OK button only.
    virtual void ShowMessage(QWidget *parent, const QString &text) = 0;
    // The standard file dialogs, with the given initial name; empty text when the user
    // cancels. A save offers its file type (for example "Text files (*.txt)") beside all files;
    // an empty type offers all files only.
    virtual QString SaveFileName(QWidget *parent, const QString &initialName, const QString &fileType) = 0;
    virtual QString OpenFileName(QWidget *parent, const QString &initialName) = 0;
    // A question answered Yes or No; true for Yes. No is the answer a slip of the key gives.
    virtual bool Confirm(QWidget *parent, const QString &question) = 0;
    // A text the player types, on one line or several, starting from initial; nothing when the
    // player cancels.
    virtual std::optional<QString> AskText(QWidget *parent, const QString &label, const QString &initial,
                                           bool multiLine) = 0;
};

} // namespace brevath::ui
