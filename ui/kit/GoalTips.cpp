#include "GoalTips.h"

#include <map>
#include <optional>

#include "GoalInsight.h"
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

QString aloneText(const std::optional<std::int64_t> &level, const CaptionTable &captions)
{
    const QString reached = level
        ? captions.entry(Caption::FirstListHeader).toHtmlEscaped() + u' ' + QString::number(*level)
        : QStringLiteral("—");
    return QStringLiteral("#1 → ") + reached;
}

} // namespace

std::vector<QString> GoalToolTips(const Workspace &workspace, const std::vector<ResultRow> &lines)
{
    const ChoiceList &list = workspace.choices;
    const RowViews views(list, workspace.catalogue, workspace.captions);
    const std::vector<int> naming = NamingLines(views, list, lines);
    const RiseStart start = RiseStart::FromInputs(workspace.inputs);
    std::map<std::pair<std::int32_t, std::int32_t>, std::optional<std::int64_t>> aloneByGoal;

    std::vector<QStringList> goalsByLine(lines.size());
    for (size_t r = 0; r < naming.size(); ++r) {
        if (naming[r] < 0)
            continue;
        const ChoiceRow &goal = list.rows[r];
        const auto key = std::make_pair(goal.entry, goal.target);
        auto alone = aloneByGoal.find(key);
        if (alone == aloneByGoal.end()) {
            alone = aloneByGoal.emplace(key, EarliestLevelAlone(goal, workspace.catalogue, workspace.captions, start))
                        .first;
        }
        goalsByLine[size_t(naming[r])] << QStringLiteral("<b>") + views.RowLabel(int(r)).toHtmlEscaped()
                + QStringLiteral("</b><br>") + requirementsText(views, int(r), workspace.captions)
                + QStringLiteral("<br>") + aloneText(alone->second, workspace.captions);
    }
    std::vector<QString> tips(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!goalsByLine[i].isEmpty())
            tips[i] = QStringLiteral("<p style='white-space:pre'>") + goalsByLine[i].join(QStringLiteral("<br><br>"))
                + QStringLiteral("</p>");
    }
    return tips;
}

} // namespace brevath::ui
