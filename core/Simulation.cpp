#include "Simulation.h"

#include "Catalogue.h"
#include "Numbers.h"
#include "CaptionTable.h"

namespace brevath {

std::int64_t LifeGain(std::int64_t end)
{
    return std::int64_t(RoundHalfEven(double(end) / 20.0)) + 7;
}

std::int64_t ManaGain(std::int64_t sag, std::int64_t intelligence)
{
    return std::int64_t(RoundHalfEven(double(sag) / 60.0 + double(intelligence) / 30.0 + 4.0));
}

std::vector<GoalNeeds> NeedsOf(const ChoiceList &list, const Catalogue &catalogue)
{
    std::vector<GoalNeeds> needs;
    needs.reserve(list.rows.size());
    for (const ChoiceRow &r : list.rows) {
        GoalNeeds need{};
        if (r.isStatTarget()) {
            const int stat = TargetStat(r.target);
            if (stat >= 1 && stat <= kStatCount) // packing never gives another, but stay in bounds
                need[size_t(stat)] = TargetValue(r.target);
        } else {
            const std::array<std::int32_t, 6> &requirement = catalogue.entry(r.entry).requirement;
            need[0] = requirement[5];
            std::copy(requirement.begin(), requirement.begin() + kStatCount, need.begin() + 1);
        }
        needs.push_back(need);
    }
    return needs;
}

RowViews::RowViews(const ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions)
    : m_list(list), m_catalogue(catalogue), m_captions(captions), m_needs(NeedsOf(list, catalogue))
{
    m_extras.reserve(list.rows.size());
    for (const ChoiceRow &r : list.rows)
        m_extras.push_back(r.isStatTarget() ? 0 : catalogue.entry(r.entry).extra);
}

QString RowViews::RowLabel(int row) const
{
    const ChoiceRow &r = m_list.rows[size_t(row)];
    if (!r.isStatTarget())
        return m_catalogue.entry(r.entry).name;
    const int stat = TargetStat(r.target);
    const QString name = stat >= 1 && stat <= kStatCount ? m_captions.entry(Caption::StatNameBase + stat) : QString();
    return name + QStringLiteral(" : ") + QString::number(TargetValue(r.target));
}

RiseStart RiseStart::FromInputs(const PlanInputs &inputs)
{
    RiseStart start;
    start.str = inputs.SDStr;
    start.end = inputs.SDEnd;
    start.dex = inputs.SDDex;
    start.sag = inputs.SDSag;
    start.intelligence = inputs.SDInt;
    start.hp = inputs.SDPV;
    start.mp = inputs.SDPM;
    start.level = inputs.SDLevel;
    start.priority = inputs.Priority;
    return start;
}

namespace {

// Writes the lines of the plan as the rise is played.
class PlanLines
{
public:
    PlanLines(const RowViews &views, const RiseStart &start, Plan &plan)
        : m_views(views), m_plan(plan), m_hp(start.hp), m_mp(start.mp)
    {}

    void levelBegins(const StatValues &have, bool startLevel)
    {
        if (!startLevel) {
            m_hp += LifeGain(have[End]);
            m_mp += ManaGain(have[Sag], have[Int]);
        }
        m_plan.lines.emplace_back();
    }

    void spent(int stat, std::int64_t points) { m_plan.lines.back().spent.push_back({stat, points}); }

    void reached(int row, std::int64_t level)
    {
        PlanLine &line = m_plan.lines.back();
        line.reached.push_back(row);
        line.extraSum += std::max(m_views.RowExtra(row), 0);
        m_plan.reachedAt[size_t(row)] = int(level);
    }

    bool levelEnds(const StatValues &have, int)
    {
        PlanLine &line = m_plan.lines.back();
        line.stats = have;
        line.hp = m_hp;
        line.mp = m_mp;
        return true;
    }

private:
    const RowViews &m_views;
    Plan &m_plan;
    std::int64_t m_hp;
    std::int64_t m_mp;
};

// Only the levels at which the goals are reached.
struct LevelsOnly
{
    std::vector<int> levels;

    void levelBegins(const StatValues &, bool) {}
    void spent(int, std::int64_t) {}
    void reached(int goal, std::int64_t level) { levels[size_t(goal)] = int(level); }
    bool levelEnds(const StatValues &, int open) { return open > 0; }
};

} // namespace

Plan SimulateRise(ChoiceList list, const Catalogue &catalogue, const CaptionTable &captions, const RiseStart &start)
{
    Plan plan;
    plan.list = std::move(list);
    const RowViews views(plan.list, catalogue, captions);
    for (int row = 0; row <= plan.list.last(); ++row)
        plan.labels.push_back(views.RowLabel(row));
    plan.reachedAt.assign(plan.list.rows.size(), kNeverReached);
    PlanLines lines(views, start, plan);
    PlayRise(views.needs(), start, lines);
    return plan;
}

std::vector<int> ReachLevels(const std::vector<GoalNeeds> &goals, const RiseStart &start)
{
    LevelsOnly observer{std::vector<int>(goals.size(), kNeverReached)};
    PlayRise(goals, start, observer);
    return std::move(observer.levels);
}

std::optional<int> EarliestLevelAlone(const ChoiceRow &goal, const Catalogue &catalogue, const RiseStart &start)
{
    const int level = ReachLevels(NeedsOf(ChoiceList{{goal}}, catalogue), start).front();
    return level == kNeverReached ? std::nullopt : std::optional<int>(level);
}

} // namespace brevath
