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

// Builds the lines of the result list as the rise is played.
class ResultLines
{
public:
    ResultLines(const RowViews &views, ChoiceList &list, const CaptionTable &captions, const RiseStart &start,
                ResultTable &table)
        : m_views(views), m_list(list), m_captions(captions), m_table(table), m_startLevel(start.level), m_hp(start.hp),
          m_mp(start.mp)
    {}

    void levelBegins(const StatValues &have, bool startLevel)
    {
        if (!startLevel) {
            m_hp += LifeGain(have[End]);
            m_mp += ManaGain(have[Sag], have[Int]);
        }
        m_points.clear();
        m_names.clear();
        m_extraSum = 0;
    }

    void spent(int stat, std::int64_t points)
    {
        m_points += u' ';
        m_points += m_captions.entry(Caption::StatLabelBase + stat);
        m_points += QString::number(points);
    }

    void reached(int row, std::int64_t)
    {
        if (!m_names.isEmpty())
            m_names += QStringLiteral(", ");
        m_names += m_views.RowLabel(row);
        const std::int32_t extra = m_views.RowExtra(row);
        if (extra > 0)
            m_extraSum += extra;
        m_list.rows[size_t(row)].reached = true;
    }

    bool levelEnds(const StatValues &have, int)
    {
        const std::int64_t level = have[0];
        ResultRow row = {QString::number(level),
                         QString::number(have[Str]),
                         QString::number(have[End]),
                         QString::number(have[Dex]),
                         QString::number(have[Sag]),
                         QString::number(have[Int]),
                         QString::number(m_hp),
                         QString::number(m_mp),
                         m_points,
                         m_names,
                         QString::number(m_extraSum)};
        m_table.setRow(int(level - m_startLevel), row);
        produced.push_back(std::move(row));
        return true;
    }

    std::vector<ResultRow> produced;

private:
    const RowViews &m_views;
    ChoiceList &m_list;
    const CaptionTable &m_captions;
    ResultTable &m_table;
    std::int64_t m_startLevel;
    std::int64_t m_hp;
    std::int64_t m_mp;
    QString m_points;
    QString m_names;
    std::int64_t m_extraSum = 0;
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

std::vector<ResultRow> SimulateRise(ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions,
                                    const RiseStart &start, ResultTable &table)
{
    for (ChoiceRow &row : list.rows)
        row.reached = false;
    const RowViews views(list, catalogue, captions);
    ResultLines lines(views, list, captions, start, table);
    PlayRise(views.needs(), start, lines);
    return std::move(lines.produced);
}

std::vector<int> ReachLevels(const std::vector<GoalNeeds> &goals, const RiseStart &start)
{
    LevelsOnly observer{std::vector<int>(goals.size(), kNeverReached)};
    PlayRise(goals, start, observer);
    return std::move(observer.levels);
}

} // namespace brevath
