#pragma once
// The lists of the 81 entry boxes. A build gives them all one shared list, so that it costs
// one pass over the catalogue; a row gets a list of its own only when its type is chosen.

#include <QStringList>
#include <vector>

#include "ChoiceFilters.h"

class QComboBox;
class QObject;
class QProgressBar;
class QStringListModel;

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

// ItemByItem fills each box on its own, one item at a time: the slow way, kept to measure against.
enum class EntryListFill { SharedModel, ItemByItem };

class EntryLists
{
public:
    explicit EntryLists(QObject *owner);

    void SetFill(EntryListFill fill) { m_fill = fill; }

    // Every box lists entry 67 and then every offered entry, in catalogue order.
    void FillAll(const std::vector<QComboBox *> &boxes, const Catalogue &catalogue, const CaptionTable &captions,
                 const ChoiceFilters &filters, QProgressBar *progress);

    // The box gets a list of its own with these items; its text becomes the first one.
    void GiveOwnList(QComboBox *box, const QStringList &items);

    // The box goes back to the build's list.
    void ShareList(QComboBox *box);

    bool IsShared(const QComboBox *box) const;

private:
    void fillShared(const std::vector<QComboBox *> &boxes, const QStringList &items);
    void fillItemByItem(const std::vector<QComboBox *> &boxes, const Catalogue &catalogue,
                        const CaptionTable &captions, const ChoiceFilters &filters, QProgressBar *progress);

    QObject *m_owner;
    QStringListModel *m_shared = nullptr;
    EntryListFill m_fill = EntryListFill::SharedModel;
};

} // namespace brevath::ui
