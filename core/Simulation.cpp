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

RowViews::RowViews(const ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions)
    : m_list(list), m_catalogue(catalogue), m_captions(captions)
{
    m_requirements.reserve(list.rows.size());
    m_extras.reserve(list.rows.size());
    for (const ChoiceRow &r : list.rows) {
        if (r.isStatTarget()) {
            std::array<std::int32_t, 6> requirement{};
            const int stat = TargetStat(r.target);
            if (stat >= 1 && stat <= kStatCount) // packing never gives another, but stay in bounds
                requirement[size_t(stat - 1)] = TargetValue(r.target);
            m_requirements.push_back(requirement);
            m_extras.push_back(0);
        } else {
            m_requirements.push_back(catalogue.entry(r.entry).requirement);
            m_extras.push_back(catalogue.entry(r.entry).extra);
        }
    }
}

QString RowViews::RowLabel(int row) const
{
    const ChoiceRow &r = m_list.rows[size_t(row)];
    if (!r.isStatTarget())
        return m_catalogue.entry(r.entry).name;
    const int stat = TargetStat(r.target);
    const QString name = stat >= 1 && stat <= kStatCount ? m_captions.entry(Caption::StatNameBase + stat) : QString();
    return name + QStringLiteral(" : ")
        + QString::number(TargetValue(r.target));
}

PickedTarget PickTarget(const RowViews &views, const ChoiceList &list, const StatValues &stats, std::int64_t level,
                        std::int64_t pointsLeft)
{
    constexpr std::int64_t kNoSlack = 1000;
    std::int64_t bestSlack = kNoSlack;
    int chosen = 0;
    const int last = list.last();
    for (int r = 0; r <= last; ++r) {
        if (list.rows[size_t(r)].reached)
            continue;
        std::int64_t cost = 0;
        for (int k = 1; k <= kStatCount; ++k) {
            const std::int64_t missing = std::int64_t(views.RowRequirement(k, r)) - stats[k];
            if (missing > 0)
                cost += missing;
        }
        const std::int64_t gate = views.RowRequirement(6, r);
        const std::int64_t slack = gate >= level ? (gate - level) * kPointsPerLevel - cost : 0;
        if (slack < bestSlack) {
            bestSlack = slack;
            chosen = r;
            if (slack <= 0)
                return {0, r};
        }
    }
    if (bestSlack < kNoSlack)
        return {bestSlack, chosen};
    return {pointsLeft, 0};
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

void appendPoints(QString &pointsText, const CaptionTable &captions, int stat, std::int64_t points)
{
    pointsText += u' ';
    pointsText += captions.entry(Caption::StatLabelBase + stat);
    pointsText += QString::number(points);
}

// Marks every unreached row that the statistics and level now allow, in list order.
void markUsableRows(const RowViews &views, ChoiceList &list, const StatValues &stats, std::int64_t level,
                    QString &namesText, std::int64_t &extraSum)
{
    for (int r = 0; r <= list.last(); ++r) {
        if (list.rows[r].reached)
            continue;
        bool usable = level >= views.RowRequirement(6, r);
        for (int k = 1; usable && k <= kStatCount; ++k)
            usable = stats[k] >= views.RowRequirement(k, r);
        if (!usable)
            continue;
        if (!namesText.isEmpty())
            namesText += QStringLiteral(", ");
        namesText += views.RowLabel(r);
        const std::int32_t extra = views.RowExtra(r);
        if (extra > 0)
            extraSum += extra;
        list.rows[r].reached = true;
    }
}

} // namespace

std::vector<ResultRow> SimulateRise(ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions,
                                    const RiseStart &start, ResultTable &table)
{
    const RowViews views(list, catalogue, captions);
    StatValues stats = {0, start.str, start.end, start.dex, start.sag, start.intelligence};
    const int priority = start.priority >= 1 && start.priority <= kStatCount ? start.priority : kDefaultPriority;
    std::int64_t hp = start.hp;
    std::int64_t mp = start.mp;
    for (ChoiceRow &row : list.rows)
        row.reached = false;

    std::vector<ResultRow> produced;
    if (list.last() < 0 || start.level < kLowestStartLevel)
        return produced;

    for (std::int64_t level = start.level; level <= kTopLevel; ++level) {
        std::int64_t pointsLeft = 0;
        if (level != start.level) {
            pointsLeft = kPointsPerLevel;
            hp += LifeGain(stats[End]);
            mp += ManaGain(stats[Sag], stats[Int]);
        }
        QString pointsText;
        QString namesText;
        std::int64_t extraSum = 0;

        while (pointsLeft > 0) {
            const PickedTarget pick = PickTarget(views, list, stats, level, pointsLeft);
            if (pick.freePoints > 0) {
                const std::int64_t n = std::min(pick.freePoints, pointsLeft);
                stats[priority] += n;
                pointsLeft -= n;
                appendPoints(pointsText, captions, priority, n);
            }
            for (int k = 1; k <= kStatCount && pointsLeft > 0; ++k) {
                const std::int64_t required = views.RowRequirement(k, pick.row);
                if (stats[k] < required) {
                    const std::int64_t give = std::min(required - stats[k], pointsLeft);
                    stats[k] += give;
                    pointsLeft -= give;
                    appendPoints(pointsText, captions, k, give);
                }
            }
            markUsableRows(views, list, stats, level, namesText, extraSum);
        }

        ResultRow row = {QString::number(level),     QString::number(stats[Str]), QString::number(stats[End]),
                         QString::number(stats[Dex]), QString::number(stats[Sag]), QString::number(stats[Int]),
                         QString::number(hp),         QString::number(mp),         pointsText,
                         namesText,                   QString::number(extraSum)};
        table.setRow(int(level - start.level), row);
        produced.push_back(std::move(row));
    }
    return produced;
}

} // namespace brevath
