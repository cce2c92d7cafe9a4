#include "EntryCompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <vector>

#include "SearchKey.h"

namespace brevath::ui {

namespace {
constexpr int kSearchKeyRole = Qt::UserRole + 1;
}

// The names of a list as they are, and beside each its search key, worked out once per list.
class SearchKeys : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void setSourceModel(QAbstractItemModel *source) override
    {
        if (source == sourceModel())
            return;
        if (sourceModel())
            disconnect(sourceModel(), nullptr, this, nullptr);
        m_keys.clear();
        QIdentityProxyModel::setSourceModel(source);
        if (!source)
            return;
        connect(source, &QAbstractItemModel::modelReset, this, [this] { m_keys.clear(); });
        connect(source, &QAbstractItemModel::layoutChanged, this, [this] { m_keys.clear(); });
        connect(source, &QAbstractItemModel::rowsInserted, this, [this] { m_keys.clear(); });
        connect(source, &QAbstractItemModel::rowsRemoved, this, [this] { m_keys.clear(); });
        connect(source, &QAbstractItemModel::dataChanged, this, [this] { m_keys.clear(); });
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != kSearchKeyRole)
            return QIdentityProxyModel::data(index, role);
        if (m_keys.empty()) {
            const int rows = rowCount();
            m_keys.reserve(size_t(rows));
            for (int row = 0; row < rows; ++row)
                m_keys.push_back(SearchKey(QIdentityProxyModel::data(this->index(row, 0), Qt::DisplayRole).toString()));
        }
        return size_t(index.row()) < m_keys.size() ? m_keys[size_t(index.row())] : QString();
    }

private:
    mutable std::vector<QString> m_keys;
};

// Each suggestion as the list draws it, its hint at the right end.
class HintDelegate : public QStyledItemDelegate
{
public:
    HintDelegate(EntryCompleter *completer, QObject *parent) : QStyledItemDelegate(parent), m_completer(completer) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &given, const QModelIndex &index) const override
    {
        // As the completer's own delegate draws: the current suggestion marked across the row.
        QStyleOptionViewItem option = given;
        option.showDecorationSelected = true;
        if (m_completer->popup()->currentIndex() == index)
            option.state |= QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, option, index);
        const QString hint = m_completer->HintFor(index.data(Qt::DisplayRole).toString());
        if (hint.isEmpty())
            return;
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                 : option.palette.color(QPalette::PlaceholderText));
        painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, hint);
        painter->restore();
    }

private:
    EntryCompleter *m_completer;
};

EntryCompleter::EntryCompleter(QObject *parent) : QCompleter(parent), m_keys(new SearchKeys(this))
{
    setModel(m_keys);
    setCompletionRole(kSearchKeyRole);
    setFilterMode(Qt::MatchContains);
    setCaseSensitivity(Qt::CaseSensitive); // the keys and the typed text are folded already
    setModelSorting(QCompleter::UnsortedModel);
    setCompletionMode(QCompleter::PopupCompletion);
    setMaxVisibleItems(12);
    // After the model: setting one gives the popup the completer's own delegate again.
    popup()->setItemDelegate(new HintDelegate(this, popup()));
    connect(this, qOverload<const QString &>(&QCompleter::activated), this, [this](const QString &name) {
        if (!m_box)
            return;
        m_box->setEditText(name);
        emit taken(m_box);
    });
}

void EntryCompleter::Complete(QComboBox *box, const QString &typed)
{
    // Not set on the box's edit: a combo box hands its own list to the completer of its
    // edit whenever that list changes, and a row's list changes with its type.
    if (box != m_box) {
        m_box = box;
        setWidget(box->lineEdit());
    }
    m_keys->setSourceModel(box->model());
    if (typed.isEmpty()) {
        if (popup()->isVisible())
            popup()->hide();
        return;
    }
    setCompletionPrefix(typed);
    complete();
}

QStringList EntryCompleter::splitPath(const QString &path) const
{
    return {SearchKey(path)};
}

QString EntryCompleter::pathFromIndex(const QModelIndex &index) const
{
    return index.data(Qt::DisplayRole).toString();
}

} // namespace brevath::ui
