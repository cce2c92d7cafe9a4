#pragma once
// brevath-plan --suggest-order: the goal list in a better order, as a choice file.

#include <QString>
#include <cstdio>
#include <optional>
#include <vector>

#include "OrderAssistant.h"

namespace brevath {

struct Workspace;

// "finish" or "sum"; empty for anything else.
std::optional<OrderObjective> ParseObjective(const QString &text);
// 1-based row numbers separated by commas, each 1 to 81; empty when any is not.
std::optional<std::vector<int>> ParsePinnedRows(const QString &text);

// Suggests an order for the workspace's goal rows, writes the goal list to out exactly as a
// save writes it and one line with the objective before and after to err. Returns the exit code.
int PrintSuggestedOrder(Workspace &workspace, OrderObjective objective, const std::vector<int> &pinnedRows,
                        std::FILE *out, std::FILE *err);

} // namespace brevath
