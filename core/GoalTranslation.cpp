#include "GoalTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "CaptionTable.h"

namespace brevath {

std::array<int, kCategoryCount> CategoryCounts(const Catalogue &catalogue)
{
    std::array<int, kCategoryCount> counts{};
    for (int k = 1; k <= kCategoryCount; ++k)
        counts[size_t(k - 1)] = catalogue.categoryCount(k);
    return counts;
}

bool CataloguesLineUp(const Catalogue &a, const Catalogue &b)
{
    return a.count() == b.count() && CategoryCounts(a) == CategoryCounts(b);
}

namespace {

// The entry number before the first one of category k, in a catalogue in load order.
int EntriesBefore(const Catalogue &catalogue, int k)
{
    int before = 0;
    for (int j = 1; j < k; ++j)
        before += catalogue.categoryCount(j);
    return before;
}

} // namespace

std::optional<CataloguePlace> PlaceOfEntry(const Catalogue &catalogue, int entry)
{
    if (entry < 1 || entry > catalogue.count() || !catalogue.inLoadOrder())
        return std::nullopt;
    const int k = LoadOrderOf(catalogue.categoryOf(entry));
    return CataloguePlace{k, entry - 1 - EntriesBefore(catalogue, k)};
}

int EntryAtPlace(const Catalogue &catalogue, CataloguePlace place)
{
    if (place.category < 1 || place.category > kCategoryCount || place.position < 0 || !catalogue.inLoadOrder()
        || place.position >= catalogue.categoryCount(place.category))
        return 0;
    return EntriesBefore(catalogue, place.category) + place.position + 1;
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

int TranslateGoals(GoalRows &rows, const Catalogue &inForce, const OtherLanguages &others, const CaptionTable &captions)
{
    int translated = 0;
    for (int row = 0; row < kChoiceRows; ++row) {
        if (!RowNamesNothing(rows, row, inForce, captions))
            continue;
        const QString &text = rows.texts[size_t(row)];
        std::optional<CataloguePlace> found;
        bool ambiguous = false;
        for (const Catalogue &other : others.catalogues()) {
            if (ambiguous || other.FindByName(text) == 0)
                continue;
            // A name several entries bear names no one place.
            const std::optional<CataloguePlace> place = PlaceOfEntry(other, other.FindOnlyByName(text));
            ambiguous = !place || (found && *found != *place);
            found = place;
        }
        const int entry = found && !ambiguous ? EntryAtPlace(inForce, *found) : 0;
        if (entry == 0)
            continue;
        rows.texts[size_t(row)] = inForce.entry(entry).name;
        ++translated;
    }
    return translated;
}

void OtherLanguages::ReadFrom(const QString &dataDir, const QString &languageInForce, const Catalogue &inForce)
{
    m_dataDir = dataDir;
    m_language = languageInForce;
    m_inForce = &inForce;
}

const std::vector<Catalogue> &OtherLanguages::catalogues() const
{
    if (!m_catalogues) // no folder: nothing to look through, not the current one
        m_catalogues = m_dataDir.isEmpty() || !m_inForce ? std::vector<Catalogue>()
                                                         : LinedUpCatalogues(m_dataDir, m_language, *m_inForce);
    return *m_catalogues;
}

QString TranslatedGoalsMessage(int n)
{
    return QCoreApplication::translate("Brevath", "%n goal(s) translated from another language.", nullptr, n);
}

} // namespace brevath
