#include "HelpScreen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShortcut>
#include <algorithm>

#include "CaptionAppliers.h"
#include "CaptionTable.h"
#include "ClickableLabel.h"
#include "Controls.h"
#include "Decoration.h"
#include "NativePath.h"

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
    Tools1 = MakeControl<QLabel>(this, QStringLiteral("Tools1"), 3960, 840, 5175, 0);
    Tools1->setFont(DecorativeFont(8.25, false));
    Tools1->setTextFormat(Qt::PlainText);
    Paths1 = MakeControl<QLabel>(this, QStringLiteral("Paths1"), 3960, 5640, 3240, 1380);
    Paths1->setFont(DecorativeFont(8.25, false));
    Paths1->setTextFormat(Qt::PlainText);
    for (QLabel *label : {Label1, Label2, Tools1, Paths1}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    UseHighlightedText(this);

    Image1 = new ClickableLabel(QStringLiteral("Image1"), this);
    PlaceControl(Image1, 7320, 5400, 1995, 1500);
    Image1->setPixmap(Picture(QStringLiteral("help_return.jpg")));
    connect(Image1, &ClickableLabel::clicked, this, &HelpScreen::returnRequested);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &HelpScreen::returnRequested);
    retranslate();
}

void HelpScreen::changeEvent(QEvent *event)
{
    ProgramWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void HelpScreen::showEvent(QShowEvent *event)
{
    ProgramWindow::showEvent(event);
    placeTools(); // the help text is the language's, known by now
}

void HelpScreen::retranslate()
{
    Tools1->setText(
        tr("Beyond the pages. Start screen: My plans… (Ctrl+L) keeps plans and opens them again. Choice screen, "
           "the Tools button: undo (Ctrl+Z), redo (Ctrl+Y), copy or paste the goal list (Ctrl+Shift+C, "
           "Ctrl+Shift+V; a copied share code pastes too), copy the share code (Ctrl+Alt+C), suggest an order "
           "(Ctrl+Shift+R). Results screen: the chart button, and the … button: copy the selected lines (Ctrl+C), "
           "copy the share code (Ctrl+Alt+C), save as a page (Ctrl+Shift+S), compare with a choice file "
           "(Ctrl+Shift+O) or with a copied share code (Ctrl+Shift+V)."));
    Paths1->setText(QCoreApplication::translate("Brevath", "Data: %1\nSettings: %2").arg(m_dataDir, m_settingsFile));
    placeTools();
}

void HelpScreen::placeTools()
{
    // Under the text, inside the text's own box: nothing the page places is covered.
    constexpr int kGap = 8;
    const QRect text = Label2->geometry();
    const int top = text.top() + Label2->heightForWidth(text.width()) + kGap;
    const int room = text.bottom() + 1 - top;
    const int needed = Tools1->heightForWidth(text.width());
    Tools1->setGeometry(text.left(), top, text.width(), std::max(0, room));
    Tools1->setVisible(room >= std::min(needed, Tools1->fontMetrics().lineSpacing() * 2));
}

void HelpScreen::ApplyCaptions(const CaptionTable &captions)
{
    ApplyTitle(*this, captions.entry(29));
    ApplyLabels(captions, {{30, Label1}, {31, Label2}});
    Image1->setAccessibleName(QCoreApplication::translate("Brevath", "Back to the start screen"));
}

void HelpScreen::SetPaths(const QString &dataDir, const QString &settingsFile)
{
    m_dataDir = DisplayPath(dataDir);
    m_settingsFile = DisplayPath(settingsFile);
    retranslate();
}

} // namespace brevath::ui
