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
    m_toolsNote = MakeControl<QLabel>(this, QStringLiteral("toolsNote"), 3960, 840, 5175, 0);
    m_toolsNote->setFont(DecorativeFont(8.25, false));
    m_toolsNote->setTextFormat(Qt::PlainText);
    m_pathsNote = MakeControl<QLabel>(this, QStringLiteral("pathsNote"), 3960, 5640, 3240, 1380);
    m_pathsNote->setFont(DecorativeFont(8.25, false));
    m_pathsNote->setTextFormat(Qt::PlainText);
    for (QLabel *label : {Label1, Label2, m_toolsNote, m_pathsNote}) {
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
    m_toolsNote->setText(
        tr("Beyond the pages. Start screen: My plans… (Ctrl+L) keeps plans and opens them again. Choice screen, "
           "the Tools button: undo (Ctrl+Z), redo (Ctrl+Y), copy or paste the goal list (Ctrl+Shift+C, "
           "Ctrl+Shift+V; a copied share code pastes too), copy the share code (Ctrl+Alt+C), suggest an order "
           "(Ctrl+Shift+R). Results screen: the chart button, and the … button: copy the selected lines (Ctrl+C), "
           "copy the share code (Ctrl+Alt+C), save as a page (Ctrl+Shift+S), compare with a choice file "
           "(Ctrl+Shift+O) or with a copied share code (Ctrl+Shift+V)."));
    m_pathsNote->setText(
        QCoreApplication::translate("Brevath", "Data: %1\nSettings: %2").arg(m_dataDir, m_settingsFile));
    placeTools();
}

void HelpScreen::placeTools()
{
    // Under the text, inside the text's own box: nothing the page places is covered.
    constexpr int kGap = 8;
    const QRect text = Label2->geometry();
    const int top = text.top() + Label2->heightForWidth(text.width()) + kGap;
    const int room = text.bottom() + 1 - top;
    const int needed = m_toolsNote->heightForWidth(text.width());
    m_toolsNote->setGeometry(text.left(), top, text.width(), std::max(0, room));
    m_toolsNote->setVisible(room >= std::min(needed, m_toolsNote->fontMetrics().lineSpacing() * 2));
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
