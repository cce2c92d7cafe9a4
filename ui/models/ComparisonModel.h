#pragma once
// Two plans side by side, one line per goal of either: its label, the level each plan
// reaches it at (empty: never), and the second's level minus the first's.

#include <QAbstractTableModel>
#include <vector>

#include "PlanComparison.h"

namespace brevath::ui {

class ComparisonModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Goal, FirstLevel, SecondLevel, Difference, ColumnCount };

    explicit ComparisonModel(QObject *parent);

    // secondName titles the second plan's column.
    void ShowComparison(std::vector<ComparedGoal> goals, const QString &secondName);
    void Clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The titles follow the language in force.
    void Retranslate();

private:
    std::vector<ComparedGoal> m_goals;
    QString m_secondName;
};

} // namespace brevath::ui
