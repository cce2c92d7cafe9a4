#include "GoalTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "CaptionTable.h"

namespace brevath {

namespace {

int CategoryOfFlag(CategoryFlag flag)
{
    for (int k = 1; k <= kCategoryCount; ++k) {
        if (flag == CategoryFlagOf(k))
            return k;
    }
    return 0;
}

// The entry number before the first one of category k, when the catalogue holds its
// categories in load order (every catalogue a load builds does).
int EntriesBefore(const std::array<int, kCategoryCount> &counts, int k)
{
    int before = 0;
    for (int j = 1; j < k; ++j)
        before += counts[size_t(j - 1)];
    return before;
}

} // namespace

std::array<int, kCategoryCount> CategoryCounts(const Catalogue &catalogue)
{
    std::array<int, kCategoryCount> counts{};
    for (int e = 1; e <= catalogue.count(); ++e) {
        if (const int k = CategoryOfFlag(catalogue.categoryOf(e)))
            ++counts[size_t(k - 1)];
    }
    return counts;
}

bool CataloguesLineUp(const Catalogue &a, const Catalogue &b)
{
    return a.count() == b.count() && CategoryCounts(a) == CategoryCounts(b);
}

std::optional<CataloguePlace> PlaceOfEntry(const Catalogue &catalogue, int entry)
{
    if (entry < 1 || entry > catalogue.count())
        return std::nullopt;
    const CategoryFlag category = catalogue.categoryOf(entry);
    const int k = CategoryOfFlag(category);
    if (k == 0)
        return std::nullopt;
    int position = 0;
    for (int e = entry - 1; e >= 1 && catalogue.categoryOf(e) == category; --e)
        ++position;
    return CataloguePlace{k, position};
}

int EntryAtPlace(const Catalogue &catalogue, CataloguePlace place)
{
    if (place.category < 1 || place.category > kCategoryCount || place.position < 0)
        return 0;
    const std::array<int, kCategoryCount> counts = CategoryCounts(catalogue);
    if (place.position >= counts[size_t(place.category - 1)])
        return 0;
    const int e = EntriesBefore(counts, place.category) + place.position + 1;
    // A catalogue whose categories do not follow load order has no places to speak of.
    return catalogue.categoryOf(e) == CategoryFlagOf(place.category) ? e : 0;
}

std::vector<Catalogue> LinedUpCatalogues(const QString &dataDir, const QString &languageInForce,
                                         const Catalogue &inForce)
{
    std::vector<Catalogue> others;
    const QDir dir(dataDir);
    for (const QString &word : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (word == languageInForce)
            continue;
        const LanguageSettings paths = LanguagePaths(dataDir, word);
        if (!std::all_of(paths.catalogueFiles.begin(), paths.catalogueFiles.end(),
                         [](const QString &path) { return QFileInfo(path).isFile(); }))
            continue;
        Catalogue catalogue;
        if (LoadCatalogue(paths.catalogueFiles, QString(), catalogue).isEmpty() && CataloguesLineUp(catalogue, inForce))
            others.push_back(std::move(catalogue));
    }
    return others;
}

bool RowNamesNothing(const GoalRows &rows, int row, const Catalogue &catalogue, const CaptionTable &captions)
{
    const QString &text = rows.texts.at(size_t(row));
    return rows.kinds.at(size_t(row)) < 1 && !text.startsWith(captions.entry(Caption::PlaceholderWord))
        && !text.isEmpty() && text != captions.entry(Caption::NoEntryItem) && catalogue.FindByName(text) == 0;
}

int TranslateGoals(GoalRows &rows, const Catalogue &inForce, const std::vector<Catalogue> &others,
                   const CaptionTable &captions)
{
    int translated = 0;
    for (int row = 0; row < kChoiceRows; ++row) {
        if (!RowNamesNothing(rows, row, inForce, captions))
            continue;
        const QString &text = rows.texts[size_t(row)];
        std::optional<CataloguePlace> found;
        bool ambiguous = false;
        for (const Catalogue &other : others) {
            // No entry before the first of this name bears it.
            for (int e = other.FindByName(text); e > 0 && e <= other.count() && !ambiguous; ++e) {
                if (other.entry(e).name != text)
                    continue;
                const std::optional<CataloguePlace> place = PlaceOfEntry(other, e);
                ambiguous = !place || (found && *found != *place);
                found = place;
            }
        }
        const int entry = found && !ambiguous ? EntryAtPlace(inForce, *found) : 0;
        if (entry == 0)
            continue;
        rows.texts[size_t(row)] = inForce.entry(entry).name;
        ++translated;
    }
    return translated;
}

QString TranslatedGoalsMessage(int n)
{
    return QCoreApplication::translate("Brevath", "%n goal(s) translated from another language.", nullptr, n);
}

} // namespace brevath
