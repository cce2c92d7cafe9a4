#include "SuggestOrder.h"

#include "ChoiceFile.h"
#include "PlanCommand.h"
#include "Workspace.h"

namespace brevath {

std::optional<OrderObjective> ParseObjective(const QString &text)
{
    if (text == QLatin1String("finish"))
        return OrderObjective::Finish;
    if (text == QLatin1String("sum"))
        return OrderObjective::Sum;
    return std::nullopt;
}

std::optional<std::vector<int>> ParsePinnedRows(const QString &text)
{
    std::vector<int> rows;
    for (const QString &part : text.split(u',')) {
        bool ok = false;
        const int row = part.trimmed().toInt(&ok);
        if (!ok || row < 1 || row > kChoiceRows)
            return std::nullopt;
        rows.push_back(row);
    }
    return rows;
}

int PrintSuggestedOrder(Workspace &workspace, OrderObjective objective, const std::vector<int> &pinnedRows,
                        std::FILE *out, std::FILE *err)
{
    const RowGoals goals = GoalsOfRows(workspace.goals, workspace.catalogue, workspace.captions);
    if (!goals.ok) {
        PrintLine(err, workspace.captions.entry(Caption::CommitFailed));
        return ExitFailure;
    }
    std::vector<bool> pinned;
    for (const int row : goals.rows)
        pinned.push_back(std::find(pinnedRows.begin(), pinnedRows.end(), row + 1) != pinnedRows.end());
    const OrderRequest request = RequestFor(goals, workspace.catalogue, workspace.inputs, objective, std::move(pinned));

    const OrderSuggestion suggestion = SuggestOrder(request, nullptr, {});
    GoalRows rows = Reordered(workspace.goals, RowOrder(goals.rows, suggestion.order));
    const std::optional<ChoiceList> list = BuildChoiceList(rows, workspace.catalogue, workspace.captions);
    if (!list)
        return ExitFailure; // the same rows packed a moment ago
    const QByteArray bytes = ChoiceFileBytes(*list, workspace.catalogue);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);

    if (objective == OrderObjective::Sum)
        std::fprintf(err, "sum: %d -> %d\n", suggestion.before.sum, suggestion.after.sum);
    else
        std::fprintf(err, "finish: %d -> %d (sum %d -> %d)\n", suggestion.before.finish, suggestion.after.finish,
                     suggestion.before.sum, suggestion.after.sum);
    return std::fflush(out) == 0 ? ExitSuccess : ExitFailure;
}

} // namespace brevath
