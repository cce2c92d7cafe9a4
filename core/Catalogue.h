#pragma once
// Everything the player can plan for, loaded from the ten category files of a language.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
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
// buffer, only the numbers that are not 0 (as varints), the categories as stretches, and a
// run of identical consecutive entries, such as the empty entries of empty lines, stored
// once; names are indexed once, on the first lookup after entries were added.
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
    // Room for this many more entries and bytes of names, so that a load grows nothing twice.
    void reserve(qsizetype entries, qsizetype nameBytes = 0);

private:
    static constexpr int kValues = 7; // requirements 1 to 6, then the extra value
    using Values = std::array<std::int32_t, kValues>;

    size_t recordOf(int e) const;
    int firstEntryOf(size_t record) const;
    QByteArrayView storedName(size_t record) const;
    Values valuesOf(size_t record) const;
    CategoryFlag categoryOfRecord(size_t record) const;
    void tally(CategoryFlag category, std::uint32_t requirements);
    void indexNames() const;
    size_t slotOf(QByteArrayView name) const;

    // A bit per record, and how many are set before each 64: which records have something
    // kept, and where theirs is among those kept.
    class Marked
    {
    public:
        void push(bool set);
        bool test(size_t record) const { return (m_words[record / 64] >> (record % 64)) & 1; }
        std::uint32_t rank(size_t record) const;

    private:
        std::vector<std::uint64_t> m_words;
        std::vector<std::uint32_t> m_before;
        size_t m_size = 0;
    };

    int m_count = 0;
    size_t m_records = 0;
    // Names, only those not empty: where each ends in m_names.
    Marked m_named;
    std::vector<std::uint32_t> m_nameEnd;
    QByteArray m_names;
    // Values, only for records with one that is not 0: a mask byte and zigzag varints each,
    // with where every 16th begins.
    Marked m_valued;
    QByteArray m_valueBytes;
    std::vector<std::uint32_t> m_valueStart;
    // Where a run (identical consecutive entries stored once) ends, the record after it and
    // its first entry; records between such marks number their entries one by one.
    struct RunMark
    {
        std::uint32_t record;
        std::int32_t firstEntry;
    };
    std::vector<RunMark> m_runMarks;
    struct CategorySpan
    {
        std::uint32_t record; // the first record of a stretch of one category
        CategoryFlag category;
    };
    std::vector<CategorySpan> m_spans;
    Values m_lastValues{};
    int m_lastFirstEntry = 0;

    // Name lookup, built on the first lookup after entries were added: record + 1 of a name's
    // first entry (kRepeated set when more entries bear it), 0 free; sized to the names.
    mutable std::vector<std::uint32_t> m_slots;
    mutable bool m_indexed = false;

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
