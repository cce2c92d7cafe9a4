#pragma once
// The plan as one HTML page holding one table.

#include <QByteArray>
#include <optional>

#include "ResultTable.h"
#include "Outcome.h"

namespace brevath {

class CaptionTable;

// The page's bytes (3 + 14 x rowCount lines); empty when rowCount exceeds the table.
std::optional<QByteArray> HtmlBytes(const ResultTable &table, int rowCount, const CaptionTable &captions);

Outcome SaveHtml(const QString &path, const ResultTable &table, int rowCount, const CaptionTable &captions);

} // namespace brevath
