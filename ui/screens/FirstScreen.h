#pragma once
// The start screen: the character sheet, the presets and the way on to the choice screen.

#include <QKeySequence>
#include <array>

#include "ChoiceFilters.h"
#include "PlanInputs.h"
#include "ProgramWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class ClickableLabel;

class FirstScreen : public ProgramWindow
{
    Q_OBJECT

public:
    FirstScreen();

    // The thirteen boxes in commit order; the first priority option selected (1 to 5, 0 for
    // none); the ten category boxes.
    SheetTexts SheetBoxTexts() const;
    int SelectedPriority() const;
    CategoryStates CategoryBoxes() const;

    // The language's captions onto the screen, and the names of the boxes no label names.
    void ApplyCaptions(const CaptionTable &captions);

    // A plan's sheet into the boxes, as if the player had typed it.
    void ShowSheet(const SheetTexts &texts, int priority, const CategoryStates &ticked);

    // The wait notice and its progress bar, shown while the choice screen is being built: the
    // bar is for the build to fill.
    QProgressBar *ShowWaitNotice();
    void HideWaitNotice();

signals:
    // Once, when the window is first shown: the moment to load the language.
    void firstActivated();
    void helpRequested();
    void languageRequested();
    void nextPageRequested();
    void libraryRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void makeSheet();
    void makeCategories();
    void makeButtonsAndNotices();
    void makeLibraryButton();
    void nameLibraryButton();
    void setTabOrder();
    void applyPreset(int preset);
    void activated();

    std::array<QLineEdit *, kSheetTextCount> sheetBoxes() const;
    std::array<QRadioButton *, kStatCount> options() const;
    std::array<QCheckBox *, kCategoryCount> checks() const;

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10;
    QLabel *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19;
    QLabel *Label20, *Label21, *Label22, *Label23;
    ClickableLabel *Label24, *Label25;
    QLineEdit *SDText1, *SDText2, *SDText3, *SDText4, *SDText5, *SDText6, *SDText7, *SDText8;
    QLineEdit *MText1, *MText2, *MText3, *MText4, *MText5;
    QRadioButton *Option1, *Option2, *Option3, *Option4, *Option5;
    QCheckBox *Check1, *Check2, *Check3, *Check4, *Check5, *Check6, *Check7, *Check8, *Check9, *Check10;
    QPushButton *Command1, *Command2, *Command3;
    QProgressBar *ProgressBar1;
    // The library of plans, also on Ctrl+L; placed where the design leaves the window empty.
    QPushButton *m_libraryButton;

    bool m_firstActivation = true;
    const QKeySequence kLibraryKeys{Qt::CTRL | Qt::Key_L};
};

} // namespace brevath::ui
