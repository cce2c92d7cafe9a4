#include "ui/EntryBox.h"

#include <QListView>

namespace brevath::ui {

EntryBox::EntryBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Enter must not add the typed text to a list that other rows may share.
    setInsertPolicy(QComboBox::NoInsert);
    // Sizing to the contents would measure every name of the catalogue; the box has its design width.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void EntryBox::showPopup()
{
    // The list view is made on first use; with equal rows it opens at once on a long catalogue.
    if (!m_popupReady) {
        if (auto *list = qobject_cast<QListView *>(view()))
            list->setUniformItemSizes(true);
        m_popupReady = true;
    }
    QComboBox::showPopup();
}

} // namespace brevath::ui
