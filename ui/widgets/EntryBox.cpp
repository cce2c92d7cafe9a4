#include "EntryBox.h"

#include <QCompleter>
#include <QLineEdit>
#include <QListView>

namespace brevath::ui {

EntryBox::EntryBox(QWidget *parent) : NamedComboBox(parent)
{
    // An edit given straight to the box makes it editable without building its popup now; a
    // completer already in place keeps the box from making one that would follow every list.
    auto *edit = new QLineEdit(this);
    edit->setCompleter(new QCompleter(edit));
    setLineEdit(edit);
    edit->setCompleter(nullptr); // deletes the stand-in, which the edit owns
    // Enter must not add the typed text to a list that other rows may share.
    setInsertPolicy(QComboBox::NoInsert);
}

void EntryBox::showPopup()
{
    if (!m_popupReady) {
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // With rows of one height the list opens at once on a long catalogue.
        if (auto *list = qobject_cast<QListView *>(view()))
            list->setUniformItemSizes(true);
        m_popupReady = true;
    }
    QComboBox::showPopup();
}

// The box has its design size; measuring every name of the catalogue would tell nothing more.
QSize EntryBox::sizeHint() const
{
    return size();
}

QSize EntryBox::minimumSizeHint() const
{
    return size();
}

} // namespace brevath::ui
