#pragma once
// The dialogs as the player sees them.

#include "Prompts.h"

namespace brevath::ui {

class QtPrompts final : public Prompts
{
public:
    void ShowMessage(QWidget *parent, const QString &text) override;
    QString SaveFileName(QWidget *parent, const QString &initialName) override;
    QString OpenFileName(QWidget *parent, const QString &initialName) override;
};

} // namespace brevath::ui
