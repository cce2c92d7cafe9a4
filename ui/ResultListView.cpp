#include "ResultListView.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

#include "TextExport.h"
#include "Twips.h"

namespace brevath::ui {

void SetUpResultColumns(QTreeWidget *list)
{
    static constexpr const char *kDesignHeaders[kListColumns] = {"Lvl", "For", "End", "Dex", "Sag",
                                                                 "Int", "PV",  "PM",  "Monter", "Objets"};
    static constexpr int kDesignWidths[kListColumns] = {500, 500, 500, 500, 500, 500, 750, 750, 1440, 1440};
    list->setColumnCount(kListColumns);
    QStringList headers;
    for (const char *header : kDesignHeaders)
        headers << QLatin1String(header);
    list->setHeaderLabels(headers);
    list->header()->setStretchLastSection(false);
    for (int c = 0; c < kListColumns; ++c)
        list->setColumnWidth(c, ToPixels(kDesignWidths[c]));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void ShowResultRows(QTreeWidget *list, const std::vector<ResultRow> &rows)
{
    list->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(rows.size()));
    for (const ResultRow &row : rows) {
        QStringList texts;
        for (int c = 0; c < kListColumns; ++c)
            texts << row[size_t(c)];
        items << new QTreeWidgetItem(texts);
    }
    list->addTopLevelItems(items);
}

void MarkGoalLines(QTreeWidget *list, const std::vector<QString> &namesTips)
{
    QFont bold = list->font();
    bold.setBold(true);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        if (item->text(ResultField::Names).isEmpty())
            continue;
        for (int c = 0; c < kListColumns; ++c)
            item->setFont(c, bold);
        if (size_t(i) < namesTips.size())
            item->setToolTip(ResultField::Names, namesTips[size_t(i)]);
    }
}

QString SelectedLinesText(const QTreeWidget *list, const ResultTable &table, const CaptionTable &captions)
{
    const int count = list->topLevelItemCount();
    const std::optional<QStringList> lines = TxtLines(table, count, captions);
    if (!lines)
        return QString();
    QStringList chosen;
    for (int i = 0; i < count; ++i) {
        if (list->topLevelItem(i)->isSelected())
            chosen << lines->at(i + 1);
    }
    if (chosen.isEmpty())
        return QString();
    if (chosen.size() == count)
        chosen.prepend(lines->first());
    const QString lineEnd = QStringLiteral("\r\n");
    return chosen.join(lineEnd) + lineEnd;
}

void SizeLastColumn(QTreeWidget *list)
{
    constexpr int kLast = kListColumns - 1;
    int others = 0;
    for (int c = 0; c < kLast; ++c)
        others += list->columnWidth(c);
    const QAbstractItemView *view = list; // the texts' width is public on the base class only
    const int needed = std::max(list->header()->sectionSizeHint(kLast), view->sizeHintForColumn(kLast));
    list->setColumnWidth(kLast, std::max(list->viewport()->width() - others, needed));
}

} // namespace brevath::ui
