#include "Catalogue.h"

#include <QVarLengthArray>
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "Numbers.h"
#include "Records.h"
#include "TextFile.h"

namespace brevath {

namespace {
constexpr std::int16_t kWide = std::numeric_limits<std::int16_t>::min();

constexpr std::uint32_t kRepeated = 0x80000000u;

std::uint64_t wideKey(size_t record, int field)
{
    return std::uint64_t(record) * 8 + std::uint64_t(field);
}

std::uint32_t hashRequirements(const CatalogueEntry &entry)
{
    std::uint32_t hash = 2166136261u; // FNV-1a over the six numbers' bytes
    for (const std::int32_t r : entry.requirement) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (std::uint32_t(r) >> shift) & 0xffu;
            hash *= 16777619u;
        }
    }
    return hash;
}
} // namespace

void Catalogue::clear()
{
    *this = Catalogue();
}

void Catalogue::reserve(int entries)
{
    m_firstEntry.reserve(size_t(entries));
    m_nameEnd.reserve(size_t(entries));
    m_values.reserve(size_t(entries));
    m_category.reserve(size_t(entries));
}

QByteArrayView Catalogue::storedName(size_t record) const
{
    const std::uint32_t start = record == 0 ? 0 : m_nameEnd[record - 1];
    return QByteArrayView(m_names).sliced(start, m_nameEnd[record] - start);
}

std::int32_t Catalogue::value(size_t record, int field) const
{
    const std::int16_t v = m_values[record][size_t(field)];
    return v == kWide ? m_wide.at(wideKey(record, field)) : v;
}

size_t Catalogue::recordOf(int e) const
{
    if (e < 1 || e > m_count)
        throw std::out_of_range("catalogue entry");
    // Without a run every entry is its own record.
    return m_firstEntry.size() == size_t(m_count)
        ? size_t(e) - 1
        : size_t(std::upper_bound(m_firstEntry.begin(), m_firstEntry.end(), e) - m_firstEntry.begin()) - 1;
}

CategoryFlag Catalogue::categoryOf(int e) const
{
    return e == 0 ? 0 : m_category[recordOf(e)];
}

CatalogueEntry Catalogue::entry(int e) const
{
    CatalogueEntry entry;
    if (e == 0)
        return entry;
    const size_t record = recordOf(e);
    entry.name = QString::fromUtf8(storedName(record));
    for (int r = 0; r < 6; ++r)
        entry.requirement[size_t(r)] = value(record, r);
    entry.extra = value(record, 6);
    entry.category = m_category[record];
    return entry;
}

size_t Catalogue::slotOf(QByteArrayView name) const
{
    // Open addressing: the slot holding this name, or the free slot where it would go.
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = qHash(name) & mask;; slot = (slot + 1) & mask) {
        if (m_slots[slot] == 0 || storedName((m_slots[slot] & ~kRepeated) - 1) == name)
            return slot;
    }
}

int Catalogue::FindByName(const QString &name) const
{
    if (m_slots.empty())
        return 0;
    const std::uint32_t record = m_slots[slotOf(name.toUtf8())] & ~kRepeated;
    return record == 0 ? 0 : m_firstEntry[record - 1];
}

int Catalogue::FindOnlyByName(const QString &name) const
{
    if (m_slots.empty() || (m_slots[slotOf(name.toUtf8())] & kRepeated) != 0)
        return 0;
    return FindByName(name);
}

void Catalogue::addName(size_t record)
{
    // A repeated name keeps pointing at its first entry: lookups take the lowest number.
    if ((m_distinctNames + 1) * 2 > m_slots.size()) {
        std::vector<std::uint32_t> old(std::max<size_t>(16, m_slots.size() * 2), 0);
        old.swap(m_slots);
        for (const std::uint32_t r : old) {
            if (r != 0)
                m_slots[slotOf(storedName((r & ~kRepeated) - 1))] = r;
        }
    }
    std::uint32_t &slot = m_slots[slotOf(storedName(record))];
    if (slot == 0) {
        slot = std::uint32_t(record + 1);
        ++m_distinctNames;
    } else {
        slot |= kRepeated;
    }
}

void Catalogue::tally(CategoryFlag category, std::uint32_t requirements)
{
    const int k = LoadOrderOf(category);
    if (k == 0 || (m_count > 1 && LoadOrderOf(m_category.back()) > k))
        m_inLoadOrder = false;
    if (k == 0)
        return;
    ++m_categoryCount[size_t(k - 1)];
    std::uint32_t &checksum = m_categoryChecksum[size_t(k - 1)];
    checksum = checksum * 31u + requirements;
}

bool Catalogue::sameAsLast(const CatalogueEntry &entry, const QByteArray &name) const
{
    if (m_firstEntry.empty())
        return false;
    const size_t last = m_firstEntry.size() - 1;
    if (m_category[last] != entry.category || storedName(last) != name || value(last, 6) != entry.extra)
        return false;
    for (int r = 0; r < 6; ++r) {
        if (value(last, r) != entry.requirement[size_t(r)])
            return false;
    }
    return true;
}

void Catalogue::append(const CatalogueEntry &entry)
{
    const QByteArray name = entry.name.toUtf8();
    ++m_count;
    if (sameAsLast(entry, name)) {
        // A run's second entry makes its name one that several entries bear.
        if (m_firstEntry.back() == m_count - 1)
            m_slots[slotOf(name)] |= kRepeated;
        tally(entry.category, m_lastRequirements);
        return;
    }
    m_lastRequirements = hashRequirements(entry);
    tally(entry.category, m_lastRequirements);
    const size_t record = m_firstEntry.size();
    m_firstEntry.push_back(m_count);
    m_names += name;
    m_nameEnd.push_back(std::uint32_t(m_names.size()));
    Values values{};
    for (int field = 0; field < kValues; ++field) {
        const std::int32_t v = field < 6 ? entry.requirement[size_t(field)] : entry.extra;
        const bool narrow = v > kWide && v <= std::numeric_limits<std::int16_t>::max();
        values[size_t(field)] = narrow ? std::int16_t(v) : kWide;
        if (!narrow)
            m_wide[wideKey(record, field)] = v;
    }
    m_values.push_back(values);
    m_category.push_back(entry.category);
    addName(record);
}

void Catalogue::appendBlank(CategoryFlag category)
{
    CatalogueEntry blank;
    blank.category = category;
    append(blank);
}

namespace {

struct NumberOutOfRange
{
};

std::int32_t readNumberField(int &position, QByteArrayView record)
{
    // Only ASCII can make up a number, so the field's bytes serve as they are.
    const QByteArrayView field = NextTabField(position, record);
    QVarLengthArray<char16_t, 64> text(field.size());
    std::transform(field.begin(), field.end(), text.begin(),
                   [](char c) { return char16_t(static_cast<unsigned char>(c)); });
    const std::optional<std::int32_t> value = ToInt32(LeadingNumber(QStringView(text.data(), text.size())));
    if (!value)
        throw NumberOutOfRange{};
    return *value;
}

CatalogueEntry parseEntry(QByteArrayView record, CategoryFlag category, int requirementCount)
{
    CatalogueEntry entry;
    int position = 1;
    entry.name = DecodeWindows1252(NextTabField(position, record));
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

Outcome LoadCatalogueFile(const QString &path, CategoryFlag category, int requirementCount,
                          const QString &readFailedCaption, Catalogue &catalogue)
{
    const Outcome failure = Outcome::Failure(readFailedCaption + u' ' + path);
    // Parsed straight from the bytes: a decoded copy of a large file would double its cost.
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return failure;
    BasicRecordReader<QByteArrayView> reader(*bytes);
    try {
        while (!reader.atEnd()) {
            const std::optional<QByteArrayView> record = reader.Next();
            if (!record)
                return failure;
            if (record->isEmpty())
                catalogue.appendBlank(category);
            else
                catalogue.append(parseEntry(*record, category, requirementCount));
        }
    } catch (const FieldPositionOverflow &) {
        return failure;
    } catch (const NumberOutOfRange &) {
        return failure;
    }
    return Outcome::Success();
}

QStringList LoadCatalogue(const std::array<QString, kCategoryCount> &paths, const QString &readFailedCaption,
                          Catalogue &catalogue)
{
    catalogue.clear();
    QStringList messages;
    for (int k = 1; k <= kCategoryCount; ++k) {
        const CategoryFlag flag = CategoryFlagOf(k);
        const int requirementCount = flag == kSpellCategory ? 6 : 5;
        if (const Outcome loaded =
                LoadCatalogueFile(paths[k - 1], flag, requirementCount, readFailedCaption, catalogue);
            !loaded.ok)
            messages << loaded.message;
    }
    return messages;
}

} // namespace brevath
