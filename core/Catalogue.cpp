#include "Catalogue.h"

#include "Numbers.h"
#include "Records.h"
#include "TextFile.h"

namespace brevath {

void Catalogue::clear()
{
    m_entries.clear();
    m_entries.emplace_back();
    m_firstByName.clear();
}

void Catalogue::append(CatalogueEntry entry)
{
    // A repeated name keeps pointing at its first entry: lookups take the lowest number.
    if (!m_firstByName.contains(entry.name))
        m_firstByName.insert(entry.name, int(m_entries.size()));
    m_entries.push_back(std::move(entry));
}

namespace {

struct NumberOutOfRange
{
};

std::int32_t readNumberField(int &position, QStringView record)
{
    const std::optional<std::int32_t> value = ToInt32(LeadingNumber(NextTabField(position, record)));
    if (!value)
        throw NumberOutOfRange{};
    return *value;
}

CatalogueEntry parseEntry(QStringView record, CategoryFlag category, int requirementCount)
{
    CatalogueEntry entry;
    int position = 1;
    entry.name = NextTabField(position, record).toString();
    for (int r = 0; r < requirementCount; ++r)
        entry.requirement[r] = readNumberField(position, record);
    if (category == kSpellCategory) {
        NextTabField(position, record);
        NextTabField(position, record);
        entry.extra = readNumberField(position, record);
    }
    entry.category = category;
    return entry;
}

} // namespace

std::optional<QString> LoadCatalogueFile(const QString &path, CategoryFlag category, int requirementCount,
                                         const QString &readFailedCaption, Catalogue &catalogue)
{
    const QString failure = readFailedCaption + u' ' + path;
    const std::optional<QString> text = ReadTextFile(path);
    if (!text)
        return failure;
    RecordReader reader(*text);
    try {
        while (!reader.atEnd()) {
            const std::optional<QString> record = reader.ReadRecord();
            if (!record)
                return failure;
            catalogue.append(parseEntry(*record, category, requirementCount));
        }
    } catch (const FieldPositionOverflow &) {
        return failure;
    } catch (const NumberOutOfRange &) {
        return failure;
    }
    return std::nullopt;
}

QStringList LoadCatalogue(const std::array<QString, kCategoryCount> &paths, const QString &readFailedCaption,
                          Catalogue &catalogue)
{
    catalogue.clear();
    QStringList messages;
    for (int k = 1; k <= kCategoryCount; ++k) {
        const CategoryFlag flag = CategoryFlagOf(k);
        const int requirementCount = flag == kSpellCategory ? 6 : 5;
        if (std::optional<QString> failure =
                LoadCatalogueFile(paths[k - 1], flag, requirementCount, readFailedCaption, catalogue))
            messages << *failure;
    }
    return messages;
}

} // namespace brevath
