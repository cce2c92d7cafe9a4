#pragma once
// The plan the results screen shows, as a table for the result list and the chart: columns
// 0 to 9 of every line, goal lines in bold with their names cell explained by a tip.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "Plan.h"

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

class ResultTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The points column speaks these captions' statistic labels.
    ResultTableModel(const CaptionTable &captions, QObject *parent);

    // Replaces the plan; namesTips holds the names cell's tip of each line (empty: none).
    void ShowPlan(Plan plan, std::vector<QString> namesTips);
    const Plan &plan() const { return m_plan; }
    bool NamesGoals(int line) const { return !m_plan.lines[size_t(line)].reached.empty(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;

private:
    const CaptionTable &m_captions;
    Plan m_plan;
    std::vector<QString> m_tips;
    QStringList m_headers;
};

} // namespace brevath::ui
