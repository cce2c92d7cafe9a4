#pragma once
// The result list in report form: ten columns, one line per level.

#include <vector>

#include "core/ResultTable.h"

class QTreeWidget;

namespace brevath::ui {

// The design headers and widths: 500 twips for the level and the statistics, 750 for hit
// and mana points, 1440 for the points and the names.
void SetUpResultColumns(QTreeWidget *list);

// Replaces the lines by the rows, fields 0 to 9 in the ten columns.
void ShowResultRows(QTreeWidget *list, const std::vector<ResultRow> &rows);

// The last column takes the width the others leave, or what its header and texts need
// when that is more.
void SizeLastColumn(QTreeWidget *list);

} // namespace brevath::ui
