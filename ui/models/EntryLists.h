#pragma once
// The lists of the 81 entry boxes, one per row type and shared by every row of that type: a
// build fills one list for all 81 rows, so that it costs one pass over the catalogue, and a
// category's own list is made the first time a row takes that type.

#include <QStringList>
#include <map>

#include "ChoiceFilters.h"

class QAbstractItemModel;
class QComboBox;
class QObject;
class QProgressBar;

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class EntryLists
{
public:
    explicit EntryLists(QObject *owner);

    // The lists of a new build: entry 67 and then every offered entry, in catalogue order,
    // for every ticked category together; the categories' own lists once they are needed.
    void Rebuild(const Catalogue &catalogue, const CaptionTable &captions, const ChoiceFilters &filters,
                 QProgressBar *progress);

    // The list of a row whose type has this code: empty for a statistic.
    QAbstractItemModel *ListOf(int code);
    // The box lists what its row's type offers.
    void Show(QComboBox *box, int code);

private:
    QObject *m_owner;
    const Catalogue *m_catalogue = nullptr;
    const CaptionTable *m_captions = nullptr;
    ChoiceFilters m_filters;
    std::map<int, QAbstractItemModel *> m_lists; // by type code, for the current build
};

} // namespace brevath::ui
