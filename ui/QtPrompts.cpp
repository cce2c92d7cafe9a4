#include "QtPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace brevath::ui {

void QtPrompts::ShowMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtPrompts::SaveFileName(QWidget *parent, const QString &initialName)
{
    // Replacing a file is the player's choice made in the dialog; the program asks nothing more.
    return QFileDialog::getSaveFileName(parent, QString(), initialName, QString(), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompts::OpenFileName(QWidget *parent, const QString &initialName)
{
    return QFileDialog::getOpenFileName(parent, QString(), initialName);
}

} // namespace brevath::ui
