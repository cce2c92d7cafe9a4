#pragma once
// Everything the player can plan for, loaded from the ten category files of a language.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "LanguageSettings.h"
#include "Outcome.h"

namespace brevath {

// One bit per category, 2^(k-1) for the category of load order k.
using CategoryFlag = std::int32_t;
constexpr CategoryFlag kSpellCategory = 256;

constexpr CategoryFlag CategoryFlagOf(int k)
{
    return CategoryFlag(1) << (k - 1);
}

// The load order k of a category's flag, or 0 for a value that is no one category's flag.
constexpr int LoadOrderOf(CategoryFlag flag)
{
    for (int k = 1; k <= kCategoryCount; ++k) {
        if (flag == CategoryFlagOf(k))
            return k;
    }
    return 0;
}

struct CatalogueEntry
{
    QString name;
    // Requirements 1 to 5 are the statistics Str, End, Dex, Sag, Int; 6 is the level.
    std::array<std::int32_t, 6> requirement{};
    std::int32_t extra = 0;
    CategoryFlag category = 0;

    std::int32_t Requirement(int k) const { return requirement[k - 1]; }
};

// Held compactly, since a data file may hold millions of lines: names in one pooled UTF-8
// buffer, numbers in flat 16-bit arrays (wider values aside), and a run of identical
// consecutive entries, such as the empty entries of empty lines, stored once.
class Catalogue
{
public:
    // Number of entries; they are numbered 1 to count. Entry 0 is blank and never offered.
    int count() const { return m_count; }
    // Entry e, 0 to count (std::out_of_range beyond).
    CatalogueEntry entry(int e) const;
    // Entry e's category alone, without building its name (0 for entry 0).
    CategoryFlag categoryOf(int e) const;

    // The first entry bearing exactly this name, or 0.
    int FindByName(const QString &name) const;
    // The one entry bearing exactly this name: 0 when none or several do.
    int FindOnlyByName(const QString &name) const;

    // Entries of the category of load order k (1 to 10).
    int categoryCount(int k) const { return m_categoryCount[size_t(k - 1)]; }
    // A checksum of the requirements of the category's entries in order, the same for
    // catalogues of any language that line up.
    std::uint32_t categoryChecksum(int k) const { return m_categoryChecksum[size_t(k - 1)]; }
    // True while every entry belongs to one category and the categories follow load order,
    // as every catalogue a load builds does: an entry then has a place (category, position).
    bool inLoadOrder() const { return m_inLoadOrder; }

    void clear();
    void append(const CatalogueEntry &entry);
    // Appends the entry of an empty record: empty name, all values 0.
    void appendBlank(CategoryFlag category);
    void reserve(int entries);

private:
    static constexpr int kValues = 7; // requirements 1 to 6, then the extra value
    using Values = std::array<std::int16_t, kValues>;

    size_t recordOf(int e) const;
    QByteArrayView storedName(size_t record) const;
    std::int32_t value(size_t record, int field) const;
    bool sameAsLast(const CatalogueEntry &entry, const QByteArray &name) const;
    void addName(size_t record);
    size_t slotOf(QByteArrayView name) const;
    void tally(CategoryFlag category, std::uint32_t requirements);

    int m_count = 0;
    std::vector<std::int32_t> m_firstEntry; // per record: the number of its first entry
    std::vector<std::uint32_t> m_nameEnd; // per record: where its name ends in m_names
    QByteArray m_names;
    std::vector<Values> m_values; // kWide: the value is in m_wide
    std::unordered_map<std::uint64_t, std::int32_t> m_wide;
    std::vector<CategoryFlag> m_category;
    // Name lookup: record + 1 of a name's first entry (kRepeated set when more entries bear
    // it), 0 free.
    std::vector<std::uint32_t> m_slots;
    size_t m_distinctNames = 0;
    std::array<int, kCategoryCount> m_categoryCount{};
    std::array<std::uint32_t, kCategoryCount> m_categoryChecksum{};
    std::uint32_t m_lastRequirements = 0; // the last record's requirements, hashed
    bool m_inLoadOrder = true;
};

// Appends one entry per record of the file. On failure the entries stored before stay,
// the record being read is dropped, and the failure carries entry 39, a blank and the
// path. requirementCount is 6 for the spell file, 5 for the others.
Outcome LoadCatalogueFile(const QString &path, CategoryFlag category, int requirementCount,
                          const QString &readFailedCaption, Catalogue &catalogue);

// Replaces the catalogue with the ten files in load order; a failing file does not stop
// the others. Returns the messages of the files that failed.
QStringList LoadCatalogue(const std::array<QString, kCategoryCount> &paths, const QString &readFailedCaption,
                          Catalogue &catalogue);

} // namespace brevath
