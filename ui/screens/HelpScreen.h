#pragma once
// The help page: a title and one block of text on a picture, and a picture that leads back.
// Under the text, in the room it leaves, a word on the tools beyond the pages.

#include "ProgramWindow.h"

class QLabel;

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class ClickableLabel;

class HelpScreen : public ProgramWindow
{
    Q_OBJECT

public:
    HelpScreen();

    void ApplyCaptions(const CaptionTable &captions);

    // Under the help text: the data folder and the settings file in force.
    void SetPaths(const QString &dataDir, const QString &settingsFile);

signals:
    void returnRequested();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void placeTools();

    QLabel *Label1, *Label2;
    ClickableLabel *Image1;
    QLabel *m_toolsNote; // the tools, their buttons and keys; hidden when the text leaves no room
    QLabel *m_pathsNote;
    QString m_dataDir, m_settingsFile;
};

} // namespace brevath::ui
