#pragma once
// The plan as one HTML page holding one table.

#include <QByteArray>

#include "Plan.h"
#include "Outcome.h"

namespace brevath {

class CaptionTable;

// The page's bytes: 3 lines and 14 for each level.
QByteArray HtmlBytes(const Plan &plan, const CaptionTable &captions);

Outcome SaveHtml(const QString &path, const Plan &plan, const CaptionTable &captions);

} // namespace brevath
