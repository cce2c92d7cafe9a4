#include "Language.h"

#include <QPushButton>
#include <QRadioButton>

#include "Controls.h"

namespace brevath::ui {

namespace {
constexpr int kLeft = 720, kWidth = 1215;
}

Language::Language() : ProgramWindow(QStringLiteral("Language"))
{
    setWindowTitle(QStringLiteral("Language"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(ToPixels(2640), ToPixels(3195));

    Option1 = MakeControl<QRadioButton>(this, QStringLiteral("Option1"), kLeft, 360, kWidth, 375);
    Option1->setText(QStringLiteral("&English"));
    Option2 = MakeControl<QRadioButton>(this, QStringLiteral("Option2"), kLeft, 960, kWidth, 495);
    Option2->setText(QStringLiteral("&Français"));
    Option3 = MakeControl<QRadioButton>(this, QStringLiteral("Option3"), kLeft, 1680, kWidth, 495);
    Option3->setText(QStringLiteral("&Deutsch"));
    Command1 = MakeControl<QPushButton>(this, QStringLiteral("Command1"), kLeft, 2520, kWidth, 495);
    Command1->setText(QStringLiteral("&OK"));
    connect(Command1, &QPushButton::clicked, this, &Language::okClicked);

    Option1->setChecked(true);
}

QString Language::ChosenWord() const
{
    if (Option1->isChecked())
        return QStringLiteral("english");
    if (Option2->isChecked())
        return QStringLiteral("french");
    return QStringLiteral("german");
}

} // namespace brevath::ui
