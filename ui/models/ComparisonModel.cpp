#include "ComparisonModel.h"

#include <QCoreApplication>

namespace brevath::ui {

ComparisonModel::ComparisonModel(QObject *parent) : QAbstractTableModel(parent) {}

void ComparisonModel::ShowComparison(std::vector<ComparedGoal> goals, const QString &secondName)
{
    beginResetModel();
    m_goals = std::move(goals);
    m_secondName = secondName;
    endResetModel();
    Retranslate();
}

void ComparisonModel::Clear()
{
    ShowComparison({}, QString());
}

int ComparisonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_goals.size());
}

int ComparisonModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ComparisonModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ComparedGoal &goal = m_goals[size_t(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() != Goal)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Goal:
        return goal.label;
    case FirstLevel:
        return ComparedLevelText(goal.firstLevel);
    case SecondLevel:
        return ComparedLevelText(goal.secondLevel);
    default:
        return ComparedLevelText(goal.difference());
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole && section != Goal)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter); // over the numbers they title
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Goal:
        return QCoreApplication::translate("Brevath", "Goal");
    case FirstLevel:
        return QCoreApplication::translate("Brevath", "This plan");
    case SecondLevel:
        return m_secondName;
    case Difference:
        return QCoreApplication::translate("Brevath", "Difference");
    default:
        return {};
    }
}

void ComparisonModel::Retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

} // namespace brevath::ui
