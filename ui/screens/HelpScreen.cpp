#include "HelpScreen.h"

#include <QShortcut>

#include "ClickableLabel.h"
#include "Controls.h"
#include "Decoration.h"

namespace brevath::ui {

HelpScreen::HelpScreen() : ProgramWindow(QStringLiteral("HelpScreen"))
{
    setWindowTitle(QStringLiteral("Aide"));
    setFixedSize(ToPixels(kClientWidthTwips), ToPixels(kClientHeightTwips));
    SetBackground(Picture(QStringLiteral("help_background.jpg")));

    Label1 = MakeControl<QLabel>(this, QStringLiteral("Label1"), 6240, 240, 1215, 375);
    Label1->setText(QStringLiteral("Aide"));
    Label1->setFont(DecorativeFont(14.25, true));
    // A help text longer than the label is cut at its bottom edge; the window does not grow.
    Label2 = MakeControl<QLabel>(this, QStringLiteral("Label2"), 3960, 840, 5175, 4695);
    Label2->setFont(DecorativeFont(9.75, false));
    for (QLabel *label : {Label1, Label2}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        UseHighlightedText(label);
    }

    Image1 = new ClickableLabel(QStringLiteral("Image1"), this);
    PlaceControl(Image1, 7320, 5400, 1995, 1500);
    Image1->setPixmap(Picture(QStringLiteral("help_return.jpg")));
    connect(Image1, &ClickableLabel::clicked, this, &HelpScreen::returnRequested);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &HelpScreen::returnRequested);
}

} // namespace brevath::ui
