#pragma once
// The help page: a title and one block of text on a picture, and a picture that leads back.

#include "ProgramWindow.h"

class QLabel;

namespace brevath::ui {

class ClickableLabel;

class HelpScreen : public ProgramWindow
{
    Q_OBJECT

public:
    HelpScreen();

    QLabel *Label1, *Label2;
    ClickableLabel *Image1;

signals:
    void returnRequested();
};

} // namespace brevath::ui
