#include "LibraryModel.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QCoreApplication>

#include "Decoration.h"
#include "SearchKey.h"

namespace brevath::ui {

namespace {

QString FirstLine(const QString &text)
{
    const qsizetype end = text.indexOf(u'\n');
    return end < 0 ? text : text.first(end) + QStringLiteral(" …");
}

} // namespace

LibraryModel::LibraryModel(QObject *parent) : QAbstractTableModel(parent) {}

void LibraryModel::ShowPlans(std::vector<LibraryPlan> plans)
{
    beginResetModel();
    m_plans = std::move(plans);
    m_searchKeys.clear();
    for (const LibraryPlan &plan : m_plans)
        m_searchKeys.push_back(SearchKey(plan.plan.name + u'\n' + plan.plan.notes));
    endResetModel();
}

int LibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_plans.size());
}

int LibraryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryModel::display(const LibraryPlan &plan, int column) const
{
    const bool numbers = plan.ok && plan.played;
    switch (column) {
    case Name:
        return plan.plan.name;
    case Notes:
        return plan.ok ? FirstLine(plan.plan.notes) : plan.message;
    case StartLevel:
        return numbers ? QVariant(plan.startLevel) : QVariant();
    case Goals:
        return numbers ? QVariant(plan.goals) : QVariant();
    case LastGoal:
        // A goal never reached has no level to tell: the mark says so.
        if (!numbers || plan.goals == 0)
            return {};
        return plan.allReached ? QString::number(plan.score.finish) : QStringLiteral("—");
    case LevelSum:
        return numbers && plan.goals > 0 ? QVariant(plan.score.sum) : QVariant();
    default:
        return plan.modified.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    }
}

QVariant LibraryModel::sortKey(const LibraryPlan &plan, int column) const
{
    switch (column) {
    case Name:
    case Notes:
        return SearchKey(display(plan, column).toString());
    case LastGoal:
        return display(plan, column).isNull() ? -1 : plan.score.finish;
    case Date:
        return plan.modified;
    default:
        return display(plan, column).isNull() ? QVariant(-1) : display(plan, column);
    }
}

QVariant LibraryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const LibraryPlan &plan = m_plans[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return display(plan, index.column());
    case kSortRole:
        return sortKey(plan, index.column());
    case kSearchRole:
        return m_searchKeys[size_t(index.row())];
    case Qt::ToolTipRole:
        if (!plan.ok)
            return plan.message;
        if (index.column() == LastGoal && plan.played && !plan.allReached && plan.goals > 0)
            return QCoreApplication::translate("Brevath", "A goal of this plan is never reached.");
        return index.column() == Notes ? QVariant(plan.plan.notes) : QVariant();
    case Qt::ForegroundRole:
        return plan.ok ? QVariant() : QVariant(WarningTextColour(QGuiApplication::palette()));
    case Qt::TextAlignmentRole:
        return index.column() >= StartLevel && index.column() <= LevelSum
            ? QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter)
            : QVariant();
    default:
        return {};
    }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static constexpr const char *titles[ColumnCount] = {
        QT_TRANSLATE_NOOP("Brevath", "Name"),         QT_TRANSLATE_NOOP("Brevath", "Notes"),
        QT_TRANSLATE_NOOP("Brevath", "Start"),        QT_TRANSLATE_NOOP("Brevath", "Goals"),
        QT_TRANSLATE_NOOP("Brevath", "Last goal at"), QT_TRANSLATE_NOOP("Brevath", "Sum of levels"),
        QT_TRANSLATE_NOOP("Brevath", "Date")};
    return section >= 0 && section < ColumnCount ? QCoreApplication::translate("Brevath", titles[section]) : QVariant();
}

void LibraryModel::Retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

} // namespace brevath::ui
