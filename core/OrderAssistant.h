#pragma once
// Suggests an order of the goals that reaches them sooner. Only ever a suggestion: the player
// sees it and decides.

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "ChoiceList.h"
#include "GoalRows.h"
#include "Simulation.h"

namespace brevath {

class Catalogue;
class CaptionTable;

// What the assistant lowers: the sum of the levels at which the goals are reached, or first
// the level at which one chosen goal is reached, the sum breaking ties. (The level of the last
// goal is no objective: no order of the same goals ever moves it.)
struct OrderObjective
{
    int goal = -1; // an index into the request's goals; -1: the sum alone

    static OrderObjective Sum() { return {}; }
    static OrderObjective Soonest(int goal) { return {goal}; }
    bool operator==(const OrderObjective &) const = default;
};

// A goal the rise never reaches counts as reached at this level.
constexpr int kUnreachedLevel = 200;

struct OrderScore
{
    int finish = 0; // the level of the last goal
    int sum = 0;
};
OrderScore ScoreOf(const std::vector<int> &levels);
// Smaller is better; levels holds one level per given goal, kNeverReached when never.
std::int64_t ObjectiveKey(const std::vector<int> &levels, OrderObjective objective);

struct OrderRequest
{
    std::vector<GoalNeeds> goals; // in the player's order
    RiseStart start;
    OrderObjective objective;
    std::vector<bool> pinned; // per goal: it keeps its place; goals past the end are free
};

struct OrderSuggestion
{
    bool cancelled = false;
    std::vector<int> order; // the given goal placed at each position
    OrderScore before;
    OrderScore after;
    std::vector<int> levelsBefore; // per given goal, kNeverReached when never
    std::vector<int> levelsAfter; // per given goal, with the suggested order
    std::int64_t evaluations = 0;
};

// Percent done, from 0 to 100; called on the calling thread.
using OrderProgress = std::function<void(int)>;

// Greedy insertions, local searches and restarts from perturbed orders, from a few fixed
// starting points spread over `threads` workers (0: the machine's cores). The suggestion
// depends only on the request: never on the thread count or timing. It is never worse than
// the given order; when cancel is set the search stops within one evaluation and the
// suggestion is marked cancelled.
OrderSuggestion SuggestOrder(const OrderRequest &request, const std::atomic<bool> *cancel,
                             const OrderProgress &progress, int threads = 0);

// The goals of the filled rows, as the plan would list them, and the row each comes from.
struct RowGoals
{
    bool ok = false; // false: a statistic value cannot be packed
    ChoiceList list;
    std::vector<int> rows;
};
RowGoals GoalsOfRows(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions);
// What to ask for these goals on the committed sheet; pinned has one flag per goal.
OrderRequest RequestFor(const RowGoals &goals, const Catalogue &catalogue, const PlanInputs &inputs,
                        OrderObjective objective, std::vector<bool> pinned);

// The rows rearranged so the goal rows take their goals in `order`; every other row keeps its
// place. Entry i of the result is the old row that moves to row i.
std::array<int, kChoiceRows> RowOrder(const std::vector<int> &goalRows, const std::vector<int> &order);
GoalRows Reordered(const GoalRows &rows, const std::array<int, kChoiceRows> &rowOrder);

} // namespace brevath
