#pragma once
// The rise, level by level, from the starting level to 199.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "ChoiceList.h"
#include "PlanInputs.h"
#include "ResultTable.h"

namespace brevath {

class Catalogue;
class CaptionTable;

constexpr int kTopLevel = 199;
constexpr int kPointsPerLevel = 5;

// Computed in 64 bits so no starting value or requirement can overflow.
using StatValues = std::array<std::int64_t, kStatCount + 1>; // indexed 1 to 5

std::int64_t LifeGain(std::int64_t end);
std::int64_t ManaGain(std::int64_t sag, std::int64_t intelligence);

// How the simulation sees a ChoiceList row, whatever its kind. The requirements are taken
// once per run, since every spending pass reads them for every row.
class RowViews
{
public:
    RowViews(const ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions);

    std::int32_t RowRequirement(int k, int row) const { return m_requirements[size_t(row)][size_t(k - 1)]; }
    std::int32_t RowExtra(int row) const { return m_extras[size_t(row)]; }
    QString RowLabel(int row) const;

private:
    const ChoiceList &m_list;
    const Catalogue &m_catalogue;
    const CaptionTable &m_captions;
    std::vector<std::array<std::int32_t, 6>> m_requirements;
    std::vector<std::int32_t> m_extras;
};

struct PickedTarget
{
    std::int64_t freePoints;
    int row;
};

PickedTarget PickTarget(const RowViews &views, const ChoiceList &list, const StatValues &stats, std::int64_t level,
                        std::int64_t pointsLeft);

struct RiseStart
{
    std::int32_t str = 12, end = 12, dex = 12, sag = 12, intelligence = 12;
    std::int32_t hp = 70, mp = 50;
    std::int32_t level = 1;
    int priority = kDefaultPriority;

    static RiseStart FromInputs(const PlanInputs &inputs);
};

// Plays the rise, sets the reached flags, writes table rows 0 to (199 - start level) and
// returns the same rows, one per level, as the list shows them. An empty list, or a start
// level below -1 (which the commit refuses), produces no row.
std::vector<ResultRow> SimulateRise(ChoiceList &list, const Catalogue &catalogue, const CaptionTable &captions,
                                    const RiseStart &start, ResultTable &table);

} // namespace brevath
