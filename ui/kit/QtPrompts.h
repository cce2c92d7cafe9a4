#pragma once
// The dialogs as the player sees them.

#include "Prompts.h"

namespace brevath::ui {

class QtPrompts final : public Prompts
{
public:
    void ShowMessage(QWidget *parent, const QString &text) override;
    QString SaveFileName(QWidget *parent, const QString &initialName, const QString &fileType) override;
    QString OpenFileName(QWidget *parent, const QString &initialName) override;
    bool Confirm(QWidget *parent, const QString &question) override;
    std::optional<QString> AskText(QWidget *parent, const QString &label, const QString &initial,
                                   bool multiLine) override;
};

} // namespace brevath::ui
