#include "Plan.h"

#include "GoalRows.h"
#include "Simulation.h"
#include "CaptionTable.h"

namespace brevath {

std::int64_t ColumnNumber(const PlanLine &line, int column)
{
    switch (column) {
    case PlanColumn::HitPoints:
        return line.hp;
    case PlanColumn::ManaPoints:
        return line.mp;
    case PlanColumn::ExtraSum:
        return line.extraSum;
    default:
        return line.stats[size_t(column)];
    }
}

QString PointsText(const PlanLine &line, const CaptionTable &captions)
{
    QString text;
    for (const Spending &step : line.spent)
        text += u' ' + captions.entry(Caption::StatLabelBase + step.stat) + QString::number(step.points);
    return text;
}

QString NamesText(const Plan &plan, const PlanLine &line)
{
    QString text;
    for (const int goal : line.reached) {
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        text += plan.labels[size_t(goal)];
    }
    return text;
}

QString ColumnText(const Plan &plan, const PlanLine &line, int column, const CaptionTable &captions)
{
    if (column == PlanColumn::Points)
        return PointsText(line, captions);
    if (column == PlanColumn::Names)
        return NamesText(plan, line);
    return QString::number(ColumnNumber(line, column));
}

std::optional<Plan> PlayPlan(const GoalRows &goals, const PlanInputs &inputs, const Catalogue &catalogue,
                             const CaptionTable &captions)
{
    std::optional<ChoiceList> list = BuildChoiceList(goals, catalogue, captions);
    if (!list)
        return std::nullopt;
    return SimulateRise(std::move(*list), catalogue, captions, RiseStart::FromInputs(inputs));
}

} // namespace brevath
