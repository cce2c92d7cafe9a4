#pragma once
// The result list in report form: ten columns, one line per level.

#include <QString>
#include <vector>

#include "ResultTable.h"

class QTreeWidget;

namespace brevath {
class CaptionTable;
}

namespace brevath::ui {

// The design headers and widths: 500 twips for the level and the statistics, 750 for hit
// and mana points, 1440 for the points and the names.
void SetUpResultColumns(QTreeWidget *list);

// Replaces the lines by the rows, fields 0 to 9 in the ten columns.
void ShowResultRows(QTreeWidget *list, const std::vector<ResultRow> &rows);

// Lines that name goals stand out in bold; their names cell explains them with its tip.
void MarkGoalLines(QTreeWidget *list, const std::vector<QString> &namesTips);

// The selected lines as the text export writes them, with the header line when every line is
// selected; empty when none is.
QString SelectedLinesText(const QTreeWidget *list, const ResultTable &table, const CaptionTable &captions);

// The last column takes the width the others leave, or what its header and texts need
// when that is more.
void SizeLastColumn(QTreeWidget *list);

} // namespace brevath::ui
