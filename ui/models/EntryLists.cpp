#include "EntryLists.h"

#include <QComboBox>
#include <QProgressBar>
#include <QStringListModel>

#include "CaptionTable.h"

namespace brevath::ui {

EntryLists::EntryLists(QObject *owner) : m_owner(owner) {}

void EntryLists::Rebuild(const Catalogue &catalogue, const CaptionTable &captions, const ChoiceFilters &filters,
                         QProgressBar *progress)
{
    // The boxes still show the old lists until the rows are shown again, so they go later.
    for (const auto &[code, list] : m_lists)
        list->deleteLater();
    m_lists.clear();
    m_catalogue = &catalogue;
    m_captions = &captions;
    m_filters = filters;
    if (progress) {
        progress->setMinimum(0);
        if (catalogue.count() > 0)
            progress->setMaximum(catalogue.count());
    }
    ListOf(0);
    if (progress && catalogue.count() > 0)
        progress->setValue(catalogue.count());
}

QAbstractItemModel *EntryLists::ListOf(int code)
{
    auto found = m_lists.find(code);
    if (found != m_lists.end())
        return found->second;
    QStringList items;
    if (code != kStatTypeCode && m_catalogue) {
        const std::int32_t mask = code == 0 ? m_filters.mask : CategoryFlagOf(code);
        items = EntryListItems(*m_catalogue, *m_captions, mask, m_filters.maxima);
    }
    return m_lists.emplace(code, new QStringListModel(items, m_owner)).first->second;
}

void EntryLists::Show(QComboBox *box, int code)
{
    QAbstractItemModel *list = ListOf(code);
    if (box->model() != list)
        box->setModel(list);
}

} // namespace brevath::ui
