#include "ResultListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "TextExport.h"
#include "TextFile.h"
#include "Twips.h"

namespace brevath::ui {

ResultListView::ResultListView(QWidget *parent) : QTreeView(parent)
{
    static constexpr int kDesignWidths[kListColumns] = {500, 500, 500, 500, 500, 500, 750, 750, 1440, 1440};
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    // Widths are set before there is a model: keep them when the first one comes.
    header()->setDefaultSectionSize(ToPixels(kDesignWidths[0]));
    connect(header(), &QHeaderView::sectionCountChanged, this, [this](int, int count) {
        for (int c = 0; c < count && c < kListColumns; ++c)
            setColumnWidth(c, ToPixels(kDesignWidths[c]));
        SizeLastColumn();
    });
}

void ResultListView::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    const auto remeasure = [this] {
        m_namesWidth = -1;
        SizeLastColumn();
    };
    connect(model, &QAbstractItemModel::modelReset, this, remeasure);
    connect(model, &QAbstractItemModel::headerDataChanged, this, remeasure);
}

void ResultListView::changeEvent(QEvent *event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_namesWidth = -1;
}

int ResultListView::namesWidthNeeded()
{
    constexpr int kLast = kListColumns - 1;
    if (m_namesWidth >= 0)
        return m_namesWidth;
    int needed = header()->sectionSizeHint(kLast);
    if (!model())
        return needed;
    // Every line counts, not only those in sight, so that scrolling never changes the width.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int row = 0; row < model()->rowCount(); ++row) {
        const QModelIndex index = model()->index(row, kLast);
        if (!index.data().toString().isEmpty())
            needed = std::max(needed, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    m_namesWidth = needed;
    return needed;
}

void ResultListView::SizeLastColumn()
{
    constexpr int kLast = kListColumns - 1;
    if (header()->count() < kListColumns)
        return;
    int others = 0;
    for (int c = 0; c < kLast; ++c)
        others += columnWidth(c);
    // A wider section is refused outright, which would leave the column as it was.
    const int width = std::max(viewport()->width() - others, namesWidthNeeded());
    setColumnWidth(kLast, std::min(width, header()->maximumSectionSize()));
}

std::vector<int> ResultListView::SelectedLines() const
{
    std::vector<int> lines;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        lines.push_back(index.row());
    std::sort(lines.begin(), lines.end());
    return lines;
}

void ResultListView::SelectLine(int line)
{
    const QModelIndex index = model()->index(line, 0);
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void ResultListView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    // A scroll bar that comes or goes changes the width left to the last column.
    SizeLastColumn();
}

void ResultListView::keyPressEvent(QKeyEvent *event)
{
    // Before the view's own copy, which would take one cell.
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ResultListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    emit currentLineChanged(current.isValid() ? current.row() : -1);
}

QString LinesText(const std::vector<int> &lines, const Plan &plan, const CaptionTable &captions)
{
    if (lines.empty())
        return QString();
    const QStringList texts = TxtLines(plan, captions);
    QStringList chosen;
    if (lines.size() == plan.lines.size())
        chosen << texts.first();
    for (const int line : lines)
        chosen << texts.at(line + 1);
    return chosen.join(kLineEnd) + kLineEnd;
}

} // namespace brevath::ui
