#pragma once
// Goals written in one language, read in another. The shipped catalogues line up: the same
// categories with the same number of entries in the same order, so a (category, position)
// names the same thing in every language.

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "Catalogue.h"
#include "GoalRows.h"

namespace brevath {

// An entry's place: its category's load order (1 to 10) and its position in that category, from 0.
// Both ways cost the same whatever the catalogue's size.
struct CataloguePlace
{
    int category = 0;
    int position = 0;

    bool operator==(const CataloguePlace &) const = default;
};

std::optional<CataloguePlace> PlaceOfEntry(const Catalogue &catalogue, int entry);
// The entry at that place, or 0 when the catalogue has none there.
int EntryAtPlace(const Catalogue &catalogue, CataloguePlace place);

// Entries per category, by load order at [k-1].
std::array<int, kCategoryCount> CategoryCounts(const Catalogue &catalogue);
bool CataloguesLineUp(const Catalogue &a, const Catalogue &b);

// The catalogues of the other languages in the data folder (a folder w holding all ten files
// w/w_<suffix>) that read without a failure and line up with the one in force.
std::vector<Catalogue> LinedUpCatalogues(const QString &dataDir, const QString &languageInForce,
                                         const Catalogue &inForce);

// The catalogues of the other languages, read on first use, and then once only.
class OtherLanguages
{
public:
    OtherLanguages() = default;
    // Catalogues already read.
    OtherLanguages(std::vector<Catalogue> catalogues) : m_catalogues(std::move(catalogues)) {}
    // Where to read them from when they are first asked for.
    void ReadFrom(const QString &dataDir, const QString &languageInForce, const Catalogue &inForce);
    // Those of LinedUpCatalogues.
    const std::vector<Catalogue> &catalogues() const;

private:
    QString m_dataDir;
    QString m_language;
    const Catalogue *m_inForce = nullptr;
    mutable std::optional<std::vector<Catalogue>> m_catalogues;
};

// True for a row the plan would skip as a typo: a catalogue row whose text is neither a
// placeholder, empty, the "no entry" item, nor the name of an entry in force.
bool RowNamesNothing(const GoalRows &rows, int row, const Catalogue &catalogue, const CaptionTable &captions);

// Every row that names nothing in force but names exactly one place in the other catalogues
// takes the name of the entry at that place. Returns how many rows were translated. The other
// catalogues are read only when a row names nothing in force.
int TranslateGoals(GoalRows &rows, const Catalogue &inForce, const OtherLanguages &others,
                   const CaptionTable &captions);
// What to tell the player about n translated goals.
QString TranslatedGoalsMessage(int n);

} // namespace brevath
