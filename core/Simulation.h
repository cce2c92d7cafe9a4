#pragma once
// The rise, level by level, from the starting level to 199.

#include <QString>
#include <array>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "ChoiceList.h"
#include "Plan.h"
#include "PlanInputs.h"

namespace brevath {

class Catalogue;
class CaptionTable;

constexpr int kTopLevel = 199;
constexpr int kPointsPerLevel = 5;

// What one goal asks for, as the rise reads it: index 0 the level gate, 1 to 5 the statistics.
using GoalNeeds = std::array<std::int32_t, kStatCount + 1>;

std::int64_t LifeGain(std::int64_t end);
std::int64_t ManaGain(std::int64_t sag, std::int64_t intelligence);

// The needs of every ChoiceList row, in list order.
std::vector<GoalNeeds> NeedsOf(const ChoiceList &list, const Catalogue &catalogue);

// How the simulation sees a ChoiceList row, whatever its kind. The requirements are taken
// once per run, since every spending pass reads them for every row.
class RowViews
{
public:
    RowViews(const ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions);

    std::int32_t RowRequirement(int k, int row) const { return m_needs[size_t(row)][size_t(k % 6)]; }
    std::int32_t RowExtra(int row) const { return m_extras[size_t(row)]; }
    QString RowLabel(int row) const;
    const std::vector<GoalNeeds> &needs() const { return m_needs; }

private:
    const ChoiceList &m_list;
    const Catalogue &m_catalogue;
    const CaptionTable &m_captions;
    std::vector<GoalNeeds> m_needs;
    std::vector<std::int32_t> m_extras;
};

struct RiseStart
{
    std::int32_t str = 12, end = 12, dex = 12, sag = 12, intelligence = 12;
    std::int32_t hp = 70, mp = 50;
    std::int32_t level = 1;
    int priority = kDefaultPriority;

    static RiseStart FromInputs(const PlanInputs &inputs);
};

// Plays the rise of these goals: one line per level from the start level to 199. An empty
// list, or a start level below -1 (which the commit refuses), gives no line.
Plan SimulateRise(ChoiceList list, const Catalogue &catalogue, const CaptionTable &captions, const RiseStart &start);

// The same rise, only the level at which each goal becomes usable (kNeverReached for the goals
// it never allows). Stops as soon as every goal is reached.
std::vector<int> ReachLevels(const std::vector<GoalNeeds> &goals, const RiseStart &start);

// The level at which the goal would be reached were it the only one, from the same start;
// empty when the rise ends before it.
std::optional<int> EarliestLevelAlone(const ChoiceRow &goal, const Catalogue &catalogue, const RiseStart &start);

// The rules of the rise, shared by every run above. The observer is told what happens:
//   levelBegins(const StatValues &have, bool startLevel)  before the level's spending
//   spent(int stat, std::int64_t points)                  each segment of the points text
//   reached(int goal, std::int64_t level)                 each goal as it becomes usable
//   bool levelEnds(const StatValues &have, int open)      false ends the rise early
// have[0] holds the level, have[1] to have[5] the statistics; open counts the goals not yet
// reached. Nothing is played for an empty list or a start level below -1.
template<class Observer> void PlayRise(const std::vector<GoalNeeds> &goals, const RiseStart &start, Observer &observer)
{
    const int count = int(goals.size());
    if (count == 0 || start.level < kLowestStartLevel)
        return;
    const int priority = PriorityInForce(start.priority);
    StatValues have = {start.level, start.str, start.end, start.dex, start.sag, start.intelligence};

    // The goals not yet reached, in list order, each with the first need it was last seen to
    // miss: the level and statistics only grow, so the needs before it stay met.
    std::vector<int> waiting(static_cast<size_t>(count));
    std::vector<std::uint8_t> blocking(size_t(count), 0);
    // Per need, the smallest value a goal waits for there: while nothing reaches it, no goal
    // can become usable and the check is skipped.
    StatValues lowestBlocking;
    lowestBlocking.fill(std::numeric_limits<std::int64_t>::min());
    for (int r = 0; r < count; ++r)
        waiting[size_t(r)] = r;

    for (std::int64_t level = start.level; level <= kTopLevel; ++level) {
        have[0] = level;
        std::int64_t pointsLeft = level == start.level ? 0 : kPointsPerLevel;
        observer.levelBegins(have, level == start.level);

        while (pointsLeft > 0) {
            // The first goal whose gate is passed, or that needs every point the levels before
            // its gate bring, takes the pass; otherwise the one with the least slack, after
            // that slack is given to the priority statistic.
            constexpr std::int64_t kNoSlack = 1000;
            std::int64_t freePoints = pointsLeft;
            int chosen = 0;
            std::int64_t bestSlack = kNoSlack;
            for (const int r : waiting) {
                const GoalNeeds &need = goals[size_t(r)];
                std::int64_t slack = 0;
                if (need[0] >= level) {
                    std::int64_t cost = 0;
                    for (int k = 1; k <= kStatCount; ++k)
                        cost += std::max<std::int64_t>(need[size_t(k)] - have[size_t(k)], 0);
                    slack = (need[0] - level) * kPointsPerLevel - cost;
                }
                if (slack < bestSlack) {
                    bestSlack = slack;
                    chosen = r;
                    if (slack <= 0)
                        break;
                }
            }
            if (bestSlack < kNoSlack)
                freePoints = std::max<std::int64_t>(bestSlack, 0);

            if (freePoints > 0) {
                const std::int64_t n = std::min(freePoints, pointsLeft);
                have[size_t(priority)] += n;
                pointsLeft -= n;
                observer.spent(priority, n);
            }
            const GoalNeeds &need = goals[size_t(chosen)];
            for (int k = 1; k <= kStatCount && pointsLeft > 0; ++k) {
                if (have[size_t(k)] < need[size_t(k)]) {
                    const std::int64_t give = std::min(need[size_t(k)] - have[size_t(k)], pointsLeft);
                    have[size_t(k)] += give;
                    pointsLeft -= give;
                    observer.spent(k, give);
                }
            }

            bool mayReach = false;
            for (size_t b = 0; b <= size_t(kStatCount); ++b)
                mayReach = mayReach || have[b] >= lowestBlocking[b];
            if (!mayReach)
                continue;
            size_t kept = 0;
            lowestBlocking.fill(std::numeric_limits<std::int64_t>::max());
            for (const int r : waiting) {
                std::uint8_t &b = blocking[size_t(r)];
                const GoalNeeds &waits = goals[size_t(r)];
                while (b <= kStatCount && have[b] >= waits[b])
                    ++b;
                if (b <= kStatCount) {
                    waiting[kept++] = r;
                    lowestBlocking[b] = std::min<std::int64_t>(lowestBlocking[b], waits[b]);
                } else {
                    observer.reached(r, level);
                }
            }
            waiting.resize(kept);
        }
        if (!observer.levelEnds(have, int(waiting.size())))
            return;
    }
}

} // namespace brevath
