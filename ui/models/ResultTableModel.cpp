#include "ResultTableModel.h"

#include <QFont>

namespace brevath::ui {

ResultTableModel::ResultTableModel(const CaptionTable &captions, QObject *parent)
    : QAbstractTableModel(parent), m_captions(captions),
      m_headers({"Lvl", "For", "End", "Dex", "Sag", "Int", "PV", "PM", "Monter", "Objets"})
{}

void ResultTableModel::ShowPlan(Plan plan, std::vector<QString> namesTips)
{
    beginResetModel();
    m_plan = std::move(plan);
    m_tips = std::move(namesTips);
    m_tips.resize(m_plan.lines.size());
    endResetModel();
}

int ResultTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_plan.lines.size());
}

int ResultTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kListColumns;
}

QVariant ResultTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int line = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return ColumnText(m_plan, m_plan.lines[size_t(line)], index.column(), m_captions);
    case Qt::FontRole:
        if (NamesGoals(line)) {
            // Only the weight: the view's own font fills in the rest.
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ToolTipRole:
        if (index.column() == PlanColumn::Names && !m_tips[size_t(line)].isEmpty())
            return m_tips[size_t(line)];
        return {};
    default:
        return {};
    }
}

QVariant ResultTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kListColumns)
        return m_headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ResultTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole) || section < 0
        || section >= kListColumns)
        return false;
    m_headers[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

} // namespace brevath::ui
