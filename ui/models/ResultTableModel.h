#pragma once
// The lines of the latest run as a table for the result list and the chart: fields 0 to 9
// in ten columns, goal lines in bold with their names cell explained by a tip.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "ResultTable.h"

namespace brevath::ui {

class ResultTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ResultTableModel(QObject *parent);

    // Replaces the lines; namesTips holds the names cell's tip of each line (empty: none).
    void ShowRun(std::vector<ResultRow> rows, std::vector<QString> namesTips);
    // Field f of line i, as the list shows it.
    const QString &Field(int line, int field) const { return m_rows[size_t(line)][size_t(field)]; }
    const std::vector<ResultRow> &Rows() const { return m_rows; }
    bool NamesGoals(int line) const { return !Field(line, ResultField::Names).isEmpty(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;

private:
    std::vector<ResultRow> m_rows;
    std::vector<QString> m_tips;
    QStringList m_headers;
};

} // namespace brevath::ui
