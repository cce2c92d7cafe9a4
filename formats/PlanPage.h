#pragma once
// The plan as a page of today, to share and print: UTF-8 HTML5 with the sheet, the goals and
// the level each is reached at, the rise, its chart as inline SVG, and the share code. The
// old export (HtmlExport.h) stays as it is for those who read it.

#include <QByteArray>
#include <QString>

#include "Plan.h"
#include "PlanInputs.h"
#include "Outcome.h"

namespace brevath {

class CaptionTable;

struct PlanPageInput
{
    const PlanInputs &inputs;
    const Plan &plan;
    const CaptionTable &captions;
    QString languageCode; // "en", "fr", "de": the page's lang
    QString shareCode;
};

QByteArray PlanPageBytes(const PlanPageInput &page);
Outcome SavePlanPage(const QString &path, const PlanPageInput &page);

} // namespace brevath
