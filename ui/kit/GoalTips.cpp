#include "GoalTips.h"

#include <QCoreApplication>
#include <map>
#include <optional>

#include "Simulation.h"
#include "Workspace.h"

namespace brevath::ui {

namespace {

// No caption says "requires" or "alone": the tip speaks in the list's own labels and symbols.
QString requirementsText(const RowViews &views, int row, const CaptionTable &captions)
{
    QStringList parts;
    for (int k = 1; k <= kStatCount; ++k) {
        if (const std::int32_t value = views.RowRequirement(k, row); value > 0)
            parts << captions.entry(Caption::StatLabelBase + k) + QStringLiteral(" ≥ ") + QString::number(value);
    }
    if (const std::int32_t gate = views.RowRequirement(6, row); gate > 0)
        parts << captions.entry(Caption::FirstListHeader) + QStringLiteral(" ≥ ") + QString::number(gate);
    return parts.isEmpty() ? QStringLiteral("—") : parts.join(QStringLiteral(" · ")).toHtmlEscaped();
}

QString aloneText(const std::optional<int> &level)
{
    const QString text = level
        ? QCoreApplication::translate("Brevath", "As the first goal: reached at level %1.").arg(*level)
        : QCoreApplication::translate("Brevath", "As the first goal: never reached.");
    return text.toHtmlEscaped();
}

} // namespace

std::vector<QString> GoalToolTips(const Workspace &workspace, const Plan &plan)
{
    const RowViews views(plan.list, workspace.catalogue, workspace.captions);
    const RiseStart start = RiseStart::FromInputs(workspace.inputs);
    std::map<std::pair<std::int32_t, std::int32_t>, std::optional<int>> aloneByGoal;

    std::vector<QString> tips;
    for (const PlanLine &line : plan.lines) {
        QStringList goals;
        for (const int r : line.reached) {
            const ChoiceRow &goal = plan.list.rows[size_t(r)];
            const auto key = std::make_pair(goal.entry, goal.target);
            auto alone = aloneByGoal.find(key);
            if (alone == aloneByGoal.end())
                alone = aloneByGoal.emplace(key, EarliestLevelAlone(goal, workspace.catalogue, start)).first;
            goals << QStringLiteral("<b>") + plan.labels[size_t(r)].toHtmlEscaped() + QStringLiteral("</b><br>")
                    + requirementsText(views, r, workspace.captions) + QStringLiteral("<br>")
                    + aloneText(alone->second);
        }
        tips.push_back(goals.isEmpty() ? QString()
                                       : QStringLiteral("<p style='white-space:pre'>")
                               + goals.join(QStringLiteral("<br><br>")) + QStringLiteral("</p>"));
    }
    return tips;
}

} // namespace brevath::ui
