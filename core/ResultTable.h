#pragma once
// One line of the plan per level, kept as text for the list and the exports.

#include <QString>
#include <array>
#include <vector>

namespace brevath {

// Level, Str, End, Dex, Sag, Int, hp, mp, points text, names text, extra sum.
constexpr int kResultFields = 11;
constexpr int kListColumns = 10; // the extra sum is not shown in the list
using ResultRow = std::array<QString, kResultFields>;

namespace ResultField {
constexpr int Level = 0;
constexpr int Points = 8;
constexpr int Names = 9;
constexpr int ExtraSum = 10;
} // namespace ResultField

// Rows 0 to 200: row i holds level (start level + i) of the latest run. A run overwrites
// only the rows it reaches; readers take as many rows as the run produced.
class ResultTable
{
public:
    static constexpr int kRows = 201;

    const ResultRow &row(int i) const { return m_rows.at(i); }
    void setRow(int i, const ResultRow &row)
    {
        if (i >= 0 && i < kRows)
            m_rows[i] = row;
    }
    void clear() { m_rows = {}; }

private:
    std::array<ResultRow, kRows> m_rows{};
};

} // namespace brevath
