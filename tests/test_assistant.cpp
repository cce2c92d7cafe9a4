// The order assistant: pins kept, never worse, deterministic, cancellable. (The numbers-only
// rise it plays is checked against the full one by the soak.)

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
    // scores what its own rise gives, is no worse than the given order and is the same
    // whatever the number of threads.
    void suggestionKeepsPinsAndIsNeverWorse()
    {
        std::mt19937 random(5);
        for (int plan = 0; plan < 12; ++plan) {
            RandomPlan p(random, 4 + int(random() % 20));
            OrderRequest request{p.needs(), p.start, plan % 2 ? OrderObjective::Finish : OrderObjective::Sum, {}};
            for (size_t g = 0; g < request.goals.size(); ++g)
                request.pinned.push_back(random() % 5 == 0);
            const OrderSuggestion one = SuggestOrder(request, nullptr, {}, 1);
            const OrderSuggestion many = SuggestOrder(request, nullptr, {}, 3);
            QVERIFY(!one.cancelled);
            QCOMPARE(one.order, many.order);
            std::vector<int> sorted = one.order;
            std::sort(sorted.begin(), sorted.end());
            for (size_t g = 0; g < sorted.size(); ++g) {
                QCOMPARE(sorted[g], int(g));
                if (request.pinned[g])
                    QCOMPARE(one.order[g], int(g));
            }
            const OrderScore after = ScoreOf(levelsInOrder(request.goals, one.order, p.start));
            QCOMPARE(after.sum, one.after.sum);
            QCOMPARE(ScoreOf(ReachLevels(request.goals, p.start)).sum, one.before.sum);
            QVERIFY(ObjectiveKey(after, request.objective) <= ObjectiveKey(one.before, request.objective));
        }
    }

    // One goal needing Str 200 listed before ten light ones holds them all back; listed last,
    // it lets each come within a few levels.
    void lightGoalsMoveAheadOfAHeavyOne()
    {
        std::vector<GoalNeeds> goals{{0, 200, 0, 0, 0, 0}};
        for (int g = 1; g <= 10; ++g)
            goals.push_back({0, 0, 0, 12 + 2 * g, 12 + g, 0});
        std::vector<int> known(goals.size());
        std::iota(known.begin(), known.end() - 1, 1);
        known.back() = 0;
        const OrderScore knownScore = ScoreOf(levelsInOrder(goals, known, {}));
        for (const OrderObjective objective : {OrderObjective::Finish, OrderObjective::Sum}) {
            const OrderSuggestion suggestion = SuggestOrder({goals, {}, objective, {}}, nullptr, {});
            QVERIFY(ObjectiveKey(suggestion.after, objective) <= ObjectiveKey(knownScore, objective));
            QVERIFY(suggestion.after.sum < suggestion.before.sum);
        }
    }

    void cancelStopsTheSearch()
    {
        std::mt19937 random(9);
        RandomPlan p(random, kChoiceRows);
        std::atomic<bool> cancel{false};
        int reports = 0;
        const OrderSuggestion suggestion =
            SuggestOrder({p.needs(), p.start, OrderObjective::Sum, {}}, &cancel, [&](int) { cancel = ++reports > 1; });
        QVERIFY(suggestion.cancelled);
        QVERIFY(suggestion.levelsAfter.empty());
    }
};

QTEST_GUILESS_MAIN(AssistantTest)
#include "test_assistant.moc"
