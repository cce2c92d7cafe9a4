#include "EntryLists.h"

#include <QComboBox>
#include <QProgressBar>
#include <QStandardItemModel>
#include <QStringListModel>

#include "CaptionTable.h"

namespace brevath::ui {

EntryLists::EntryLists(QObject *owner) : m_owner(owner) {}

bool EntryLists::IsShared(const QComboBox *box) const
{
    return m_shared && box->model() == m_shared;
}

void EntryLists::FillAll(const std::vector<QComboBox *> &boxes, const Catalogue &catalogue,
                         const CaptionTable &captions, const ChoiceFilters &filters, QProgressBar *progress)
{
    if (progress) {
        progress->setMinimum(0);
        if (catalogue.count() > 0)
            progress->setMaximum(catalogue.count());
    }
    if (m_fill == EntryListFill::ItemByItem)
        return fillItemByItem(boxes, catalogue, captions, filters, progress);
    fillShared(boxes, EntryListItems(catalogue, captions, filters.mask, filters.maxima));
    if (progress && catalogue.count() > 0)
        progress->setValue(catalogue.count());
}

void EntryLists::fillShared(const std::vector<QComboBox *> &boxes, const QStringList &items)
{
    // A fresh list rather than a reset of the old one, which every box would have to follow.
    QStringListModel *previous = m_shared;
    m_shared = new QStringListModel(items, m_owner);
    for (QComboBox *box : boxes)
        box->setModel(m_shared);
    delete previous;
}

void EntryLists::fillItemByItem(const std::vector<QComboBox *> &boxes, const Catalogue &catalogue,
                                const CaptionTable &captions, const ChoiceFilters &filters, QProgressBar *progress)
{
    for (QComboBox *box : boxes) {
        if (!qobject_cast<QStandardItemModel *>(box->model()) || box->model()->parent() != box)
            box->setModel(new QStandardItemModel(box));
        box->clear();
        box->addItem(captions.entry(Caption::NoEntryItem));
    }
    for (int e : OfferedEntries(catalogue, filters.mask, filters.maxima)) {
        const QString &name = catalogue.entry(e).name;
        for (QComboBox *box : boxes)
            box->addItem(name);
        if (progress)
            progress->setValue(e);
    }
}

void EntryLists::ShareList(QComboBox *box)
{
    if (m_shared)
        box->setModel(m_shared);
}

void EntryLists::GiveOwnList(QComboBox *box, const QStringList &items)
{
    // The box owns the new list; its previous own list goes with the change, the shared one stays.
    box->setModel(new QStringListModel(items, box));
    box->setEditText(items.value(0));
}

} // namespace brevath::ui
