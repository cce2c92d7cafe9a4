#include "OrderAssistant.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <numeric>
#include <random>
#include <thread>

namespace brevath {

namespace {

int Counted(int level)
{
    return level == kNeverReached ? kUnreachedLevel : level;
}

// The sum never reaches the scale, so the chosen goal's level always decides first.
std::int64_t KeyOf(int goalLevel, int sum)
{
    return std::int64_t(goalLevel) * 1'000'000 + sum;
}

} // namespace

OrderScore ScoreOf(const std::vector<int> &levels)
{
    OrderScore score;
    for (const int level : levels) {
        score.finish = std::max(score.finish, Counted(level));
        score.sum += Counted(level);
    }
    return score;
}

std::int64_t ObjectiveKey(const std::vector<int> &levels, OrderObjective objective)
{
    const bool chosen = objective.goal >= 0 && size_t(objective.goal) < levels.size();
    return KeyOf(chosen ? Counted(levels[size_t(objective.goal)]) : 0, ScoreOf(levels).sum);
}

namespace {

constexpr std::int64_t kWorst = std::numeric_limits<std::int64_t>::max();
// Fixed, whatever the machine: the suggestion must not depend on the number of cores.
constexpr int kStarts = 4;
// A start's share grows with the number of moves (about two passes over them) and, once its
// descent settles, goes to restarts from perturbed copies of its best order.
constexpr std::int64_t kPassesPerStart = 2;
constexpr std::int64_t kEvaluationsPerStart = 6'000;
constexpr int kPerturbMoves = 3;

std::int64_t ShareOf(std::int64_t goals)
{
    return std::max(kEvaluationsPerStart, kPassesPerStart * goals * goals);
}

// Follows one candidate's rise and gives up as soon as it cannot beat the cutoff: a goal
// still open at the end of a level is reached one level later at the soonest.
struct BoundedScore
{
    int target; // the chosen goal's place in the candidate, -1 when it has none
    std::int64_t cutoff;
    int targetLevel = 0; // once reached; a start level may be 0 or below
    bool targetOpen;
    int sum = 0;
    int reachedCount = 0;
    bool beaten = false;

    void levelBegins(const StatValues &, bool) {}
    void spent(int, std::int64_t) {}
    void reached(int goal, std::int64_t level)
    {
        if (goal == target) {
            targetLevel = int(level);
            targetOpen = false;
        }
        sum += int(level);
        ++reachedCount;
    }
    bool levelEnds(const StatValues &have, int open)
    {
        if (open == 0)
            return false;
        const int soonest = int(have[0]) + 1;
        beaten = KeyOf(targetOpen ? soonest : targetLevel, sum + open * soonest) >= cutoff;
        return !beaten;
    }
};

struct Cancelled
{
};

// One search from one starting point. A candidate is the sequence of the free goals; the
// pinned ones sit at their own positions around it.
class Search
{
public:
    Search(const OrderRequest &request, const std::atomic<bool> *cancel, std::atomic<std::int64_t> &done)
        : m_request(request), m_cancel(cancel), m_done(done)
    {
        const int count = int(request.goals.size());
        for (int g = 0; g < count; ++g) {
            if (!isPinned(g))
                m_free.push_back(g);
        }
        m_needs.reserve(size_t(count));
    }

    const std::vector<int> &freeGoals() const { return m_free; }
    std::int64_t evaluations() const { return m_evaluations; }

    // The full order of a candidate that may hold only some of the free goals: the pinned
    // goals keep their positions, the free positions take the candidate's goals in turn.
    std::vector<int> merged(const std::vector<int> &candidate) const
    {
        std::vector<int> order;
        size_t next = 0;
        for (int position = 0; position < int(m_request.goals.size()); ++position) {
            if (isPinned(position))
                order.push_back(position);
            else if (next < candidate.size())
                order.push_back(candidate[next++]);
        }
        return order;
    }

    // The candidate's key, or kWorst once it is clear it cannot go below cutoff.
    std::int64_t evaluate(const std::vector<int> &candidate, std::int64_t cutoff)
    {
        if (m_cancel && m_cancel->load(std::memory_order_relaxed))
            throw Cancelled{};
        ++m_evaluations;
        m_done.fetch_add(1, std::memory_order_relaxed);
        m_needs.clear();
        int target = -1;
        for (const int g : merged(candidate)) {
            target = g == m_request.objective.goal ? int(m_needs.size()) : target;
            m_needs.push_back(m_request.goals[size_t(g)]);
        }
        BoundedScore score{target, cutoff, 0, target >= 0};
        PlayRise(m_needs, m_request.start, score);
        if (score.beaten)
            return kWorst;
        const int open = int(m_needs.size()) - score.reachedCount;
        return KeyOf(score.targetOpen ? kUnreachedLevel : score.targetLevel, score.sum + open * kUnreachedLevel);
    }

    // Each goal, in the given insertion order, goes where the partial order is best.
    std::vector<int> greedy(const std::vector<int> &insertion)
    {
        std::vector<int> sequence;
        for (const int goal : insertion) {
            std::int64_t best = kWorst;
            size_t bestAt = 0;
            for (size_t at = 0; at <= sequence.size(); ++at) {
                sequence.insert(sequence.begin() + std::ptrdiff_t(at), goal);
                const std::int64_t key = evaluate(sequence, best);
                if (key < best) {
                    best = key;
                    bestAt = at;
                }
                sequence.erase(sequence.begin() + std::ptrdiff_t(at));
            }
            sequence.insert(sequence.begin() + std::ptrdiff_t(bestAt), goal);
        }
        return sequence;
    }

    // Each goal in turn moves to the place where the order is best, pass after pass, until a
    // pass improves nothing or the budget is spent. (Taking the best place rather than the
    // first better one, with no swaps, reaches lower sums on the same budget.)
    std::int64_t descend(std::vector<int> &sequence, std::int64_t budget)
    {
        std::int64_t best = evaluate(sequence, kWorst);
        const size_t n = sequence.size();
        bool improved = true;
        while (improved && m_evaluations < budget) {
            improved = false;
            for (size_t from = 0; from < n && m_evaluations < budget; ++from) {
                std::vector<int> rest = sequence;
                const int goal = rest[from];
                rest.erase(rest.begin() + std::ptrdiff_t(from));
                size_t bestAt = from;
                for (size_t to = 0; to < n && m_evaluations < budget; ++to) {
                    if (to == from)
                        continue;
                    std::vector<int> moved = rest;
                    moved.insert(moved.begin() + std::ptrdiff_t(to), goal);
                    if (const std::int64_t key = evaluate(moved, best); key < best) {
                        best = key;
                        bestAt = to;
                    }
                }
                if (bestAt != from) {
                    rest.insert(rest.begin() + std::ptrdiff_t(bestAt), goal);
                    sequence = std::move(rest);
                    improved = true;
                }
            }
        }
        return best;
    }

private:
    bool isPinned(int g) const { return size_t(g) < m_request.pinned.size() && m_request.pinned[size_t(g)]; }

    const OrderRequest &m_request;
    const std::atomic<bool> *m_cancel;
    std::atomic<std::int64_t> &m_done;
    std::vector<int> m_free;
    std::vector<GoalNeeds> m_needs;
    std::int64_t m_evaluations = 0;
};

struct StartResult
{
    std::int64_t key = kWorst;
    std::vector<int> order;
};

// Start 0 is the player's own order, start 1 a greedy build from the goals the player's order
// reaches first, the others greedy builds in seeded random orders.
StartResult RunStart(int start, const OrderRequest &request, const std::vector<int> &levelsBefore,
                     const std::atomic<bool> *cancel, std::atomic<std::int64_t> &done)
{
    Search search(request, cancel, done);
    std::vector<int> sequence = search.freeGoals();
    if (start == 1) {
        const auto soonest = [&](int g) {
            return levelsBefore[size_t(g)] == kNeverReached ? kUnreachedLevel : levelsBefore[size_t(g)];
        };
        std::stable_sort(sequence.begin(), sequence.end(), [&](int a, int b) { return soonest(a) < soonest(b); });
        sequence = search.greedy(sequence);
    } else if (start > 1) {
        std::mt19937 random{std::uint32_t(start)};
        for (size_t i = sequence.size(); i > 1; --i) // by hand: std::shuffle differs between libraries
            std::swap(sequence[i - 1], sequence[random() % i]);
        sequence = search.greedy(sequence);
    }
    const std::int64_t n = std::int64_t(sequence.size());
    const std::int64_t end = search.evaluations() + ShareOf(n);
    StartResult result;
    result.key = search.descend(sequence, end);
    std::mt19937 random{std::uint32_t(1000 + start)};
    while (n > 2 && search.evaluations() < end) {
        std::vector<int> kicked = sequence;
        for (int k = 0; k < kPerturbMoves; ++k) {
            const size_t from = random() % size_t(n);
            const size_t to = random() % size_t(n);
            const int goal = kicked[from];
            kicked.erase(kicked.begin() + std::ptrdiff_t(from));
            kicked.insert(kicked.begin() + std::ptrdiff_t(to), goal);
        }
        if (const std::int64_t key = search.descend(kicked, end); key < result.key) {
            result.key = key;
            sequence = std::move(kicked);
        }
    }
    result.order = search.merged(sequence);
    return result;
}

} // namespace

OrderSuggestion SuggestOrder(const OrderRequest &request, const std::atomic<bool> *cancel,
                             const OrderProgress &progress, int threads)
{
    OrderSuggestion suggestion;
    const int count = int(request.goals.size());
    suggestion.order.resize(size_t(count));
    std::iota(suggestion.order.begin(), suggestion.order.end(), 0);
    suggestion.levelsBefore = ReachLevels(request.goals, request.start);
    suggestion.before = ScoreOf(suggestion.levelsBefore);

    std::vector<StartResult> results(kStarts);
    std::atomic<int> nextStart{0};
    std::atomic<int> finished{0};
    std::atomic<bool> stopped{false};
    std::atomic<std::int64_t> done{0};
    std::mutex mutex;
    std::condition_variable wake;
    const auto work = [&] {
        for (int s = nextStart++; s < kStarts; s = nextStart++) {
            try {
                results[size_t(s)] = RunStart(s, request, suggestion.levelsBefore, cancel, done);
            } catch (const Cancelled &) {
                stopped = true;
            }
            std::lock_guard lock(mutex);
            ++finished;
            wake.notify_all();
        }
    };
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> workers;
    for (int t = 0; t < std::min(threads, kStarts); ++t)
        workers.emplace_back(work);

    // A rough measure: a start that settles early leaves its share unspent.
    const std::int64_t expected = kStarts * (ShareOf(count) + std::int64_t(count) * (count + 1) / 2);
    int shown = -1;
    for (;;) {
        std::unique_lock lock(mutex);
        if (wake.wait_for(lock, std::chrono::milliseconds(20), [&] { return finished == kStarts; }))
            break;
        lock.unlock();
        const int percent = int(std::min<std::int64_t>(99, done * 100 / std::max<std::int64_t>(expected, 1)));
        if (progress && percent != shown)
            progress(shown = percent);
    }
    for (std::thread &worker : workers)
        worker.join();
    suggestion.evaluations = done;
    if (stopped || (cancel && *cancel)) {
        suggestion.cancelled = true;
        return suggestion;
    }

    const std::int64_t givenKey = ObjectiveKey(suggestion.levelsBefore, request.objective);
    const auto best = std::min_element(results.begin(), results.end(),
                                       [](const StartResult &a, const StartResult &b) { return a.key < b.key; });
    if (best->key < givenKey)
        suggestion.order = best->order;
    std::vector<GoalNeeds> ordered;
    for (const int g : suggestion.order)
        ordered.push_back(request.goals[size_t(g)]);
    const std::vector<int> levels = ReachLevels(ordered, request.start);
    suggestion.levelsAfter.resize(size_t(count));
    for (int i = 0; i < count; ++i)
        suggestion.levelsAfter[size_t(suggestion.order[size_t(i)])] = levels[size_t(i)];
    suggestion.after = ScoreOf(levels);
    if (progress)
        progress(100);
    return suggestion;
}

RowGoals GoalsOfRows(const GoalRows &rows, const Catalogue &catalogue, const CaptionTable &captions)
{
    RowGoals goals;
    for (int i = 0; i < kChoiceRows; ++i) {
        switch (AddRowChoice(rows, i, goals.list, catalogue, captions)) {
        case AddRowResult::Added:
            goals.rows.push_back(i);
            break;
        case AddRowResult::Nothing:
            break;
        case AddRowResult::TargetOutOfRange:
            return goals;
        }
    }
    goals.ok = true;
    return goals;
}

OrderRequest RequestFor(const RowGoals &goals, const Catalogue &catalogue, const PlanInputs &inputs,
                        OrderObjective objective, std::vector<bool> pinned)
{
    return {NeedsOf(goals.list, catalogue), RiseStart::FromInputs(inputs), objective, std::move(pinned)};
}

std::array<int, kChoiceRows> RowOrder(const std::vector<int> &goalRows, const std::vector<int> &order)
{
    std::array<int, kChoiceRows> rowOrder;
    std::iota(rowOrder.begin(), rowOrder.end(), 0);
    for (size_t i = 0; i < order.size() && i < goalRows.size(); ++i)
        rowOrder[size_t(goalRows[i])] = goalRows[size_t(order[i])];
    return rowOrder;
}

GoalRows Reordered(const GoalRows &rows, const std::array<int, kChoiceRows> &rowOrder)
{
    GoalRows result = rows;
    for (size_t i = 0; i < size_t(kChoiceRows); ++i) {
        const size_t from = size_t(rowOrder[i]);
        result.texts[i] = rows.texts[from];
        result.kinds[i] = rows.kinds[from];
        result.types[i] = rows.types[from];
    }
    return result;
}

} // namespace brevath
