#include "QtPrompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "CaptionAppliers.h"
#include "NativePath.h"

namespace brevath::ui {

void QtPrompts::ShowMessage(QWidget *parent, const QString &text)
{
    // Messages carry captions and paths: shown as written, never as markup.
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, QString(), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A name that is not UTF-8 is carried as escaped bytes; a window shows those as U+FFFD.
    box.setText(ShownText(DisplayPath(text)));
    box.exec();
}

QString QtPrompts::SaveFileName(QWidget *parent, const QString &initialName, const QString &fileType)
{
    const QString allFiles = QCoreApplication::translate("Brevath", "All files (*)");
    const QString filter = fileType.isEmpty() ? allFiles : fileType + QStringLiteral(";;") + allFiles;
    // Replacing a file is the player's choice made in the dialog; the program asks nothing more.
    return QFileDialog::getSaveFileName(parent, QString(), initialName, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompts::OpenFileName(QWidget *parent, const QString &initialName)
{
    return QFileDialog::getOpenFileName(parent, QString(), initialName);
}

bool QtPrompts::Confirm(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, kProgramTitle, QString(), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(ShownText(DisplayPath(question)));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::AskText(QWidget *parent, const QString &label, const QString &initial, bool multiLine)
{
    bool ok = false;
    const QString text = multiLine
        ? QInputDialog::getMultiLineText(parent, kProgramTitle, label, initial, &ok)
        : QInputDialog::getText(parent, kProgramTitle, label, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

} // namespace brevath::ui
