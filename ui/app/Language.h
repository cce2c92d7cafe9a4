#pragma once
// The language dialog: three languages and OK. Its texts are never translated.

#include "ProgramWindow.h"

class QPushButton;
class QRadioButton;

namespace brevath::ui {

class Language : public ProgramWindow
{
    Q_OBJECT

public:
    Language();

    // "english", "french" or "german", as the options stand.
    QString ChosenWord() const;

signals:
    void okClicked();

private:
    QRadioButton *Option1, *Option2, *Option3;
    QPushButton *Command1;
};

} // namespace brevath::ui
