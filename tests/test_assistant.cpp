// The order assistant: pins kept, never worse, as early as any order for a chosen goal,
// deterministic, cancellable. (The numbers-only rise it plays is checked against the full one
// by the soak.)

#include <limits>
#include <numeric>
#include <random>

#include "OrderAssistant.h"
#include "TestWorld.h"

using namespace brevath;
using namespace brevath::testing;

namespace {

// Goals with random needs, some gated, some statistic targets, in a world of their own.
struct RandomPlan
{
    Workspace world;
    RiseStart start;

    RandomPlan(std::mt19937 &random, int goals)
    {
        static const Workspace fixture = fixtureWorld();
        world = fixture;
        const auto pick = [&](int low, int high) { return int(low + random() % unsigned(high - low + 1)); };
        start = {pick(0, 30), pick(0, 30), pick(0, 30), pick(0, 30),
                 pick(0, 30), 70,          50,          pick(0, 9) == 0 ? pick(-1, 199) : pick(1, 20),
                 pick(1, 5)};
        for (int g = 0; g < goals; ++g) {
            if (pick(0, 5) == 0) {
                world.choices.rows.push_back({-1, PackStatTarget(pick(1, 5), pick(0, 250))});
                continue;
            }
            CatalogueEntry entry;
            entry.name = QStringLiteral("goal %1").arg(g);
            for (int k = 0; k < kStatCount; ++k)
                entry.requirement[size_t(k)] = pick(0, 2) == 0 ? 0 : pick(0, 160);
            entry.requirement[5] = pick(0, 2) == 0 ? pick(0, 150) : 0;
            world.catalogue.append(entry);
            world.choices.rows.push_back({world.catalogue.count(), 0});
        }
    }

    std::vector<GoalNeeds> needs() const { return NeedsOf(world.choices, world.catalogue); }
};

std::vector<int> levelsInOrder(const std::vector<GoalNeeds> &goals, const std::vector<int> &order,
                               const RiseStart &start)
{
    std::vector<GoalNeeds> ordered;
    for (const int g : order)
        ordered.push_back(goals[size_t(g)]);
    return ReachLevels(ordered, start);
}

} // namespace

class AssistantTest : public QObject
{
    Q_OBJECT

private slots:
    // Any plan, any pins, either objective: a permutation that keeps the pinned goals in place,
    // gives the levels its own rise gives, is no worse than the given order and is the same
    // whatever the number of threads.
    void suggestionKeepsPinsAndIsNeverWorse()
    {
        std::mt19937 random(5);
        for (int plan = 0; plan < 12; ++plan) {
            RandomPlan p(random, 4 + int(random() % 20));
            const int goals = int(p.world.choices.rows.size());
            OrderRequest request{p.needs(),
                                 p.start,
                                 plan % 2 ? OrderObjective::Soonest(int(random() % goals)) : OrderObjective::Sum(),
                                 {}};
            for (size_t g = 0; g < request.goals.size(); ++g)
                request.pinned.push_back(random() % 5 == 0);
            const OrderSuggestion one = SuggestOrder(request, nullptr, {}, 1);
            const OrderSuggestion many = SuggestOrder(request, nullptr, {}, 3);
            QVERIFY(!one.cancelled);
            QCOMPARE(one.order, many.order);
            std::vector<int> sorted = one.order;
            std::sort(sorted.begin(), sorted.end());
            const std::vector<int> levels = levelsInOrder(request.goals, one.order, p.start);
            for (size_t g = 0; g < sorted.size(); ++g) {
                QCOMPARE(sorted[g], int(g));
                QCOMPARE(one.levelsAfter[size_t(one.order[g])], levels[g]);
                if (request.pinned[g])
                    QCOMPARE(one.order[g], int(g));
            }
            QCOMPARE(one.levelsBefore, ReachLevels(request.goals, p.start));
            QVERIFY(ObjectiveKey(one.levelsAfter, request.objective)
                    <= ObjectiveKey(one.levelsBefore, request.objective));
        }
    }

    // On plans small enough to try every order that keeps the pins, the suggestion is as good
    // as the best of them: the chosen goal as early, and then the sum as low; or the sum alone.
    void smallPlansGetTheBestOrder()
    {
        std::mt19937 random(11);
        for (int plan = 0; plan < 8; ++plan) {
            RandomPlan p(random, 5 + plan % 2);
            const int goal = plan % 3 == 2 ? -1 : int(random() % 5);
            OrderRequest request{p.needs(), p.start, OrderObjective::Soonest(goal), {}};
            request.pinned = {plan % 3 == 0, false, plan % 4 == 1};
            std::vector<int> order(request.goals.size());
            std::iota(order.begin(), order.end(), 0);
            std::int64_t bestKey = std::numeric_limits<std::int64_t>::max();
            do {
                std::vector<int> levels(order.size());
                const std::vector<int> ordered = levelsInOrder(request.goals, order, p.start);
                for (size_t i = 0; i < order.size(); ++i)
                    levels[size_t(order[i])] = ordered[i];
                const bool pinsKept = (!request.pinned[0] || order[0] == 0) && (!request.pinned[2] || order[2] == 2);
                if (pinsKept)
                    bestKey = std::min(bestKey, ObjectiveKey(levels, request.objective));
            } while (std::next_permutation(order.begin(), order.end()));
            QCOMPARE(ObjectiveKey(SuggestOrder(request, nullptr, {}).levelsAfter, request.objective), bestKey);
        }
    }

    void cancelStopsTheSearch()
    {
        std::mt19937 random(9);
        RandomPlan p(random, kChoiceRows);
        std::atomic<bool> cancel{false};
        int reports = 0;
        const OrderSuggestion suggestion = SuggestOrder({p.needs(), p.start, OrderObjective::Sum(), {}}, &cancel,
                                                        [&](int) { cancel = ++reports > 1; });
        QVERIFY(suggestion.cancelled && suggestion.levelsAfter.empty());
    }
};

QTEST_GUILESS_MAIN(AssistantTest)
#include "test_assistant.moc"
