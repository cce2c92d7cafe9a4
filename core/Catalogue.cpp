#include "Catalogue.h"

#include <QVarLengthArray>
#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "Numbers.h"
#include "Records.h"
#include "TextFile.h"

namespace brevath {

namespace {
constexpr std::uint32_t kRepeated = 0x80000000u;
constexpr std::uint32_t kValueBlock = 16;

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

void putVarint(QByteArray &out, std::uint32_t value)
{
    for (; value >= 0x80; value >>= 7)
        out += char(0x80 | (value & 0x7f));
    out += char(value);
}

std::uint32_t takeVarint(const char *&p)
{
    std::uint32_t value = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t b = std::uint8_t(*p++);
        value |= std::uint32_t(b & 0x7f) << shift;
        if ((b & 0x80) == 0)
            return value;
    }
}

// Past one stored set of values: a mask byte, then a varint per bit.
const char *skipValues(const char *p)
{
    for (int n = std::popcount(std::uint8_t(*p++)); n > 0; --n) {
        while ((std::uint8_t(*p++) & 0x80) != 0) {
        }
    }
    return p;
}

// A name's hash with every bit mixed into the high ones, which the table and the count use.
std::uint64_t nameHash(QByteArrayView name)
{
    std::uint64_t h = qHash(name);
    h = (h ^ (h >> 33)) * 0xff51afd7ed558ccdull;
    h = (h ^ (h >> 33)) * 0xc4ceb9fe1a85ec53ull;
    return h ^ (h >> 33);
}

// The slot a hash starts at, in a table of any size.
size_t homeSlot(std::uint64_t hash, size_t tableSize)
{
    using Wide = unsigned __int128;
    return static_cast<size_t>((Wide(hash) * Wide(tableSize)) >> 64);
}

// How many distinct names there are, within a few percent (a HyperLogLog count), so that the
// lookup table is sized once to what it holds.
class DistinctCount
{
public:
    void add(std::uint64_t hash)
    {
        const std::uint64_t h = hash;
        std::uint8_t &r = m_registers[h >> (64 - kBits)];
        r = std::max<std::uint8_t>(r, std::uint8_t(std::countl_zero((h << kBits) | (1ull << (kBits - 1))) + 1));
    }
    double estimate() const
    {
        constexpr double m = kRegisters;
        double sum = 0;
        int zeros = 0;
        for (const std::uint8_t r : m_registers) {
            sum += std::ldexp(1.0, -r);
            zeros += r == 0;
        }
        const double raw = 0.7213 / (1 + 1.079 / m) * m * m / sum;
        return raw <= 2.5 * m && zeros > 0 ? m * std::log(m / zeros) : raw;
    }

private:
    static constexpr int kBits = 12;
    static constexpr int kRegisters = 1 << kBits;
    std::array<std::uint8_t, kRegisters> m_registers{};
};
} // namespace

void Catalogue::clear()
{
    *this = Catalogue();
}

void Catalogue::reserve(qsizetype entries, qsizetype nameBytes)
{
    // With room to spare, which costs nothing until written, so that the smaller files after a
    // large one fit without a copy of all before them.
    const size_t records = m_records + size_t(entries);
    if (records > m_nameEnd.capacity())
        m_nameEnd.reserve(records + records / 4);
    const qsizetype bytes = m_names.size() + nameBytes;
    if (bytes > m_names.capacity())
        m_names.reserve(bytes + bytes / 4);
}

void Catalogue::Marked::push(bool set)
{
    if (m_size % 64 == 0) {
        m_before.push_back(m_words.empty() ? 0 : m_before.back() + std::uint32_t(std::popcount(m_words.back())));
        m_words.push_back(0);
    }
    m_words.back() |= std::uint64_t(set) << (m_size % 64);
    ++m_size;
}

std::uint32_t Catalogue::Marked::rank(size_t record) const
{
    const std::uint64_t below = (std::uint64_t(1) << (record % 64)) - 1;
    return m_before[record / 64] + std::uint32_t(std::popcount(m_words[record / 64] & below));
}

QByteArrayView Catalogue::storedName(size_t record) const
{
    if (!m_named.test(record))
        return QByteArrayView("", 0);
    const std::uint32_t i = m_named.rank(record);
    const std::uint32_t start = i == 0 ? 0 : m_nameEnd[i - 1];
    return QByteArrayView(m_names).sliced(start, m_nameEnd[i] - start);
}

Catalogue::Values Catalogue::valuesOf(size_t record) const
{
    Values values{};
    if (!m_valued.test(record))
        return values;
    const std::uint32_t rank = m_valued.rank(record);
    const char *p = m_valueBytes.constData() + m_valueStart[rank / kValueBlock];
    for (std::uint32_t i = rank % kValueBlock; i > 0; --i)
        p = skipValues(p);
    const std::uint8_t mask = std::uint8_t(*p++);
    for (int field = 0; field < kValues; ++field) {
        if ((mask >> field) & 1) {
            const std::uint32_t v = takeVarint(p);
            values[size_t(field)] = std::int32_t(v >> 1) ^ -std::int32_t(v & 1);
        }
    }
    return values;
}

size_t Catalogue::recordOf(int e) const
{
    if (e < 1 || e > m_count)
        throw std::out_of_range("catalogue entry");
    const auto next = std::upper_bound(m_runMarks.begin(), m_runMarks.end(), e,
                                       [](int entry, const RunMark &mark) { return entry < mark.firstEntry; });
    size_t record = size_t(e) - 1;
    if (next != m_runMarks.begin())
        record = std::prev(next)->record + size_t(e - std::prev(next)->firstEntry);
    // The record before a mark is a run, and takes every entry up to the mark's.
    return std::min(record, next == m_runMarks.end() ? m_records - 1 : size_t(next->record) - 1);
}

int Catalogue::firstEntryOf(size_t record) const
{
    const auto next = std::upper_bound(m_runMarks.begin(), m_runMarks.end(), record,
                                       [](size_t r, const RunMark &mark) { return r < mark.record; });
    if (next == m_runMarks.begin())
        return int(record) + 1;
    return std::prev(next)->firstEntry + int(record - std::prev(next)->record);
}

CategoryFlag Catalogue::categoryOfRecord(size_t record) const
{
    const auto next = std::upper_bound(m_spans.begin(), m_spans.end(), record,
                                       [](size_t r, const CategorySpan &span) { return r < span.record; });
    return std::prev(next)->category;
}

CategoryFlag Catalogue::categoryOf(int e) const
{
    return e == 0 ? 0 : categoryOfRecord(recordOf(e));
}

CatalogueEntry Catalogue::entry(int e) const
{
    CatalogueEntry entry;
    if (e == 0)
        return entry;
    const size_t record = recordOf(e);
    entry.name = QString::fromUtf8(storedName(record));
    const Values values = valuesOf(record);
    std::copy_n(values.begin(), 6, entry.requirement.begin());
    entry.extra = values[6];
    entry.category = categoryOfRecord(record);
    return entry;
}

size_t Catalogue::slotOf(QByteArrayView name) const
{
    // Open addressing: the slot holding this name, or the free slot where it would go.
    for (size_t slot = homeSlot(nameHash(name), m_slots.size());; slot = slot + 1 == m_slots.size() ? 0 : slot + 1) {
        if (m_slots[slot] == 0 || storedName((m_slots[slot] & ~kRepeated) - 1) == name)
            return slot;
    }
}

void Catalogue::indexNames() const
{
    if (m_indexed)
        return;
    DistinctCount distinct;
    for (size_t r = 0; r < m_records; ++r)
        distinct.add(nameHash(storedName(r)));
    // About 70% full; should the count fall short, the table grows once more.
    for (double size = distinct.estimate() / 0.7 + 16;; size *= 1.5) {
        m_slots.assign(size_t(size), 0);
        const size_t limit = size_t(size * 0.9);
        size_t names = 0;
        size_t r = 0;
        for (; r < m_records && names < limit; ++r) {
            std::uint32_t &slot = m_slots[slotOf(storedName(r))];
            // A repeated name keeps pointing at its first entry: lookups take the lowest number.
            if (slot == 0) {
                slot = std::uint32_t(r + 1);
                ++names;
            } else {
                slot |= kRepeated;
            }
        }
        if (r == m_records)
            break;
    }
    // A run's name is one that several entries bear.
    for (const RunMark &mark : m_runMarks)
        m_slots[slotOf(storedName(mark.record - 1))] |= kRepeated;
    if (m_records > 0 && m_lastFirstEntry < m_count)
        m_slots[slotOf(storedName(m_records - 1))] |= kRepeated;
    m_indexed = true;
}

int Catalogue::FindByName(const QString &name) const
{
    indexNames();
    if (m_slots.empty())
        return 0;
    const std::uint32_t record = m_slots[slotOf(name.toUtf8())] & ~kRepeated;
    return record == 0 ? 0 : firstEntryOf(record - 1);
}

int Catalogue::FindOnlyByName(const QString &name) const
{
    indexNames();
    if (m_slots.empty() || (m_slots[slotOf(name.toUtf8())] & kRepeated) != 0)
        return 0;
    return FindByName(name);
}

void Catalogue::tally(CategoryFlag category, std::uint32_t requirements)
{
    if (const int k = LoadOrderOf(category)) {
        ++m_categoryCount[size_t(k - 1)];
        std::uint32_t &checksum = m_categoryChecksum[size_t(k - 1)];
        checksum = checksum * 31u + requirements;
    }
}

void Catalogue::append(const CatalogueEntry &entry)
{
    const QByteArray name = entry.name.toUtf8();
    Values values{};
    std::copy(entry.requirement.begin(), entry.requirement.end(), values.begin());
    values[6] = entry.extra;
    ++m_count;
    m_indexed = false;
    const size_t record = m_records;
    if (record > 0 && m_spans.back().category == entry.category && values == m_lastValues
        && storedName(record - 1) == name) {
        tally(entry.category, m_lastRequirements);
        return;
    }
    if (record > 0 && m_lastFirstEntry < m_count - 1)
        m_runMarks.push_back({std::uint32_t(record), m_count});
    m_lastFirstEntry = m_count;
    ++m_records;
    m_named.push(!name.isEmpty());
    if (!name.isEmpty()) {
        m_names += name;
        m_nameEnd.push_back(std::uint32_t(m_names.size()));
    }
    std::uint8_t mask = 0;
    for (int field = 0; field < kValues; ++field)
        mask |= std::uint8_t(values[size_t(field)] != 0) << field;
    m_valued.push(mask != 0);
    if (mask != 0) {
        const std::uint32_t rank = m_valued.rank(record);
        if (rank % kValueBlock == 0)
            m_valueStart.push_back(std::uint32_t(m_valueBytes.size()));
        m_valueBytes += char(mask);
        for (const std::int32_t v : values) {
            if (v != 0)
                putVarint(m_valueBytes, (std::uint32_t(v) << 1) ^ std::uint32_t(v >> 31));
        }
    }

    const int k = LoadOrderOf(entry.category);
    if (k == 0 || (!m_spans.empty() && LoadOrderOf(m_spans.back().category) > k))
        m_inLoadOrder = false;
    if (m_spans.empty() || m_spans.back().category != entry.category)
        m_spans.push_back({std::uint32_t(record), entry.category});
    m_lastValues = values;
    m_lastRequirements = hashRequirements(entry);
    tally(entry.category, m_lastRequirements);
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
    // At most a record per delimiter, and names no longer than the file (unless they are far
    // from ASCII): room that stays unused costs no memory until it is written.
    const qsizetype delimiters =
        std::count_if(bytes->begin(), bytes->end(), [](char c) { return c == '\n' || c == '\r' || c == ','; });
    catalogue.reserve(delimiters + 1, bytes->size());
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
