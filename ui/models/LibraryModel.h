#pragma once
// The plans of the library, one line each: name, notes, starting level, goals, the level of
// the last goal, the sum of the levels and the date. Sorted and searched through a proxy: the
// sort role gives numbers and dates as such, the search role a key free of case and accents.

#include <QAbstractTableModel>
#include <vector>

#include "PlanLibrary.h"

namespace brevath::ui {

class LibraryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Notes, StartLevel, Goals, LastGoal, LevelSum, Date, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kSearchRole = Qt::UserRole + 2;

    explicit LibraryModel(QObject *parent);

    void ShowPlans(std::vector<LibraryPlan> plans);
    const LibraryPlan &Plan(int line) const { return m_plans[size_t(line)]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The titles follow the language in force.
    void Retranslate();

private:
    QVariant display(const LibraryPlan &plan, int column) const;
    QVariant sortKey(const LibraryPlan &plan, int column) const;

    std::vector<LibraryPlan> m_plans;
    std::vector<QString> m_searchKeys;
};

} // namespace brevath::ui
