#pragma once
// Everything the player can plan for, loaded from the ten category files of a language.

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "LanguageSettings.h"

namespace brevath {

// One bit per category, 2^(k-1) for the category of load order k.
using CategoryFlag = std::int32_t;
constexpr CategoryFlag kSpellCategory = 256;

constexpr CategoryFlag CategoryFlagOf(int k)
{
    return CategoryFlag(1) << (k - 1);
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

class Catalogue
{
public:
    Catalogue() { clear(); }

    // Number of entries; they are numbered 1 to count. Entry 0 is blank and never offered.
    int count() const { return int(m_entries.size()) - 1; }
    const CatalogueEntry &entry(int e) const { return m_entries.at(e); }

    // The first entry bearing exactly this name, or 0.
    int FindByName(const QString &name) const { return m_firstByName.value(name, 0); }

    void clear();
    void append(CatalogueEntry entry);
    void reserve(int entries) { m_entries.reserve(size_t(entries) + 1); }

private:
    std::vector<CatalogueEntry> m_entries;
    QHash<QString, int> m_firstByName;
};

// Appends one entry per record of the file. On failure the entries stored before stay,
// the record being read is dropped, and the message (entry 39, a blank, the path) is
// returned. requirementCount is 6 for the spell file, 5 for the others.
std::optional<QString> LoadCatalogueFile(const QString &path, CategoryFlag category, int requirementCount,
                                         const QString &readFailedCaption, Catalogue &catalogue);

// Replaces the catalogue with the ten files in load order; a failing file does not stop
// the others. Returns the messages of the files that failed.
QStringList LoadCatalogue(const std::array<QString, kCategoryCount> &paths, const QString &readFailedCaption,
                          Catalogue &catalogue);

} // namespace brevath
