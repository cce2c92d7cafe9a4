#include "ShareCode.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include "CaptionTable.h"
#include "ChoiceFile.h"

namespace brevath {

namespace {

constexpr QStringView kWord = u"brevath";
constexpr int kVersion = 2;
constexpr int kChecksumBytes = 4;
constexpr std::uint32_t kMaxPosition = 0x7fffffff;

std::uint32_t Crc32(QByteArrayView bytes)
{
    std::uint32_t crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutVarint(QByteArray &out, std::uint32_t value)
{
    while (value >= 0x80) {
        out += char(0x80 | (value & 0x7f));
        value >>= 7;
    }
    out += char(value);
}

std::uint32_t ZigZag(std::int32_t value)
{
    return (std::uint32_t(value) << 1) ^ std::uint32_t(value >> 31);
}

std::int32_t UnZigZag(std::uint32_t value)
{
    return std::int32_t(value >> 1) ^ -std::int32_t(value & 1);
}

// Reads forward through the bytes; any read past the end or out of range makes it bad.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    std::uint32_t varint()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            if (m_at >= m_bytes.size())
                return fail();
            const std::uint8_t b = std::uint8_t(m_bytes[m_at++]);
            value |= std::uint64_t(b & 0x7f) << shift;
            if ((b & 0x80) == 0)
                return value > 0xffffffffu ? fail() : std::uint32_t(value);
        }
        return fail();
    }
    std::uint32_t varint(std::uint32_t lowest, std::uint32_t highest)
    {
        const std::uint32_t value = varint();
        return value < lowest || value > highest ? fail() : value;
    }
    bool good() const { return m_good; }
    qsizetype at() const { return m_at; }

private:
    std::uint32_t fail()
    {
        m_good = false;
        m_at = m_bytes.size();
        return 0;
    }

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_good = true;
};

QString Message(ShareCodeError error)
{
    switch (error) {
    case ShareCodeError::NotACode:
        return QCoreApplication::translate("Brevath", "This text is not a Brevath share code.");
    case ShareCodeError::Cut:
        return QCoreApplication::translate("Brevath",
                                           "This share code is incomplete: it was probably cut off when copied.");
    case ShareCodeError::Damaged:
        return QCoreApplication::translate("Brevath", "This share code is damaged and cannot be read.");
    case ShareCodeError::Newer:
        return QCoreApplication::translate(
            "Brevath", "This share code comes from a newer version of Brevath and cannot be read here.");
    case ShareCodeError::None:
        break;
    }
    return QString();
}

ShareCodeRead Refused(ShareCodeError error)
{
    return {error, {}, Message(error)};
}

CategoryMark MarkOf(const Catalogue &catalogue, int k)
{
    return {catalogue.categoryCount(k), std::uint16_t(catalogue.categoryChecksum(k))};
}

// The categories the goals name, by load order at [k-1].
std::array<bool, kCategoryCount> NamedCategories(const std::vector<SharedGoal> &goals)
{
    std::array<bool, kCategoryCount> named{};
    for (const SharedGoal &goal : goals) {
        if (goal.stat == 0 && goal.place.category >= 1 && goal.place.category <= kCategoryCount)
            named[size_t(goal.place.category - 1)] = true;
    }
    return named;
}

std::optional<SharedPlan> ReadBody(QByteArrayView body, int version)
{
    Reader in(body);
    SharedPlan plan;
    for (std::int32_t &number : plan.sheet)
        number = UnZigZag(in.varint());
    plan.priority = int(in.varint(1, kStatCount));
    const std::uint32_t mask = in.varint(0, (1u << kCategoryCount) - 1);
    for (int k = 1; k <= kCategoryCount; ++k)
        plan.shown[size_t(k - 1)] = (mask & std::uint32_t(CategoryFlagOf(k))) != 0;
    const std::uint32_t count = in.varint(0, kChoiceRows);
    for (std::uint32_t g = 0; g < count && in.good(); ++g) {
        SharedGoal goal;
        goal.stat = int(in.varint(0, kStatCount));
        if (goal.stat == 0)
            goal.place = {int(in.varint(1, kCategoryCount)), int(in.varint(0, kMaxPosition))};
        else
            goal.value = std::int32_t(in.varint(0, kMaxTargetValue));
        plan.goals.push_back(goal);
    }
    const std::array<bool, kCategoryCount> named = NamedCategories(plan.goals);
    for (int k = 1; k <= kCategoryCount && version >= 2 && in.good(); ++k) {
        if (named[size_t(k - 1)])
            plan.marks[size_t(k - 1)] =
                CategoryMark{int(in.varint(0, kMaxPosition)), std::uint16_t(in.varint(0, 0xffff))};
    }
    if (!in.good() || in.at() != body.size())
        return std::nullopt;
    return plan;
}

// The text without blanks, split after its prefix: the version and the payload.
struct Split
{
    ShareCodeError error = ShareCodeError::None;
    QString payload;
    int version = kVersion;
};

Split SplitCode(QStringView text)
{
    QString code;
    for (const QChar c : text) {
        if (!c.isSpace())
            code += c;
    }
    const qsizetype colon = code.indexOf(u':');
    const QString head = colon < 0 ? code : code.first(colon);
    if (colon < 0) {
        // Older codes are still shared: a cut one is cut too.
        bool cut = false;
        for (int version = 1; version <= kVersion && !code.isEmpty(); ++version)
            cut = cut || (kWord.toString() + QString::number(version) + u':').startsWith(code);
        return {cut ? ShareCodeError::Cut : ShareCodeError::NotACode, {}};
    }
    const QStringView digits = QStringView(head).sliced(std::min(head.size(), kWord.size()));
    const bool numbered = head.startsWith(kWord) && !digits.isEmpty()
        && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!numbered)
        return {ShareCodeError::NotACode, {}};
    bool small = false;
    const int version = digits.toInt(&small);
    if (!small || version > kVersion)
        return {ShareCodeError::Newer, {}};
    if (version < 1)
        return {ShareCodeError::NotACode, {}};
    return {ShareCodeError::None, code.sliced(colon + 1), version};
}

bool IsBase64Url(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
}

} // namespace

SharedPlan SharedPlanOf(const PlanInputs &inputs, const CategoryStates &shown, const ChoiceList &list,
                        const Catalogue &catalogue)
{
    SharedPlan plan;
    plan.sheet = {inputs.SDLevel, inputs.SDStr, inputs.SDEnd, inputs.SDDex, inputs.SDSag, inputs.SDInt, inputs.SDPV,
                  inputs.SDPM,    inputs.mstr,  inputs.mend,  inputs.mdex,  inputs.msag,  inputs.mint};
    plan.priority = PriorityInForce(inputs.Priority);
    plan.shown = shown;
    for (const ChoiceRow &row : list.rows) {
        if (row.isStatTarget()) {
            plan.goals.push_back({TargetStat(row.target), TargetValue(row.target), {}});
        } else if (const std::optional<CataloguePlace> place = PlaceOfEntry(catalogue, row.entry)) {
            plan.goals.push_back({0, 0, *place});
            plan.marks[size_t(place->category - 1)] = MarkOf(catalogue, place->category);
        }
    }
    return plan;
}

QString EncodeShareCode(const SharedPlan &plan)
{
    // A plan read from an older code knows no catalogue, and stays such a code.
    const std::array<bool, kCategoryCount> named = NamedCategories(plan.goals);
    bool marked = true;
    for (int k = 1; k <= kCategoryCount; ++k)
        marked = marked && (!named[size_t(k - 1)] || plan.marks[size_t(k - 1)]);
    QByteArray body;
    for (const std::int32_t number : plan.sheet)
        PutVarint(body, ZigZag(number));
    body += char(plan.priority);
    PutVarint(body, std::uint32_t(CategoryMask(plan.shown)));
    PutVarint(body, std::uint32_t(plan.goals.size()));
    for (const SharedGoal &goal : plan.goals) {
        body += char(goal.stat);
        if (goal.stat == 0) {
            PutVarint(body, std::uint32_t(goal.place.category));
            PutVarint(body, std::uint32_t(goal.place.position));
        } else {
            PutVarint(body, std::uint32_t(goal.value));
        }
    }
    for (int k = 1; k <= kCategoryCount && marked; ++k) {
        if (const std::optional<CategoryMark> &mark = plan.marks[size_t(k - 1)]; mark && named[size_t(k - 1)]) {
            PutVarint(body, std::uint32_t(mark->count));
            PutVarint(body, mark->checksum);
        }
    }
    return ShareCodeOfBody(body, marked ? kVersion : 1);
}

QString ShareCodeOfBody(QByteArrayView body, int version)
{
    QByteArray data;
    PutVarint(data, std::uint32_t(body.size()));
    data += body;
    const std::uint32_t crc = Crc32(data);
    for (int i = 0; i < kChecksumBytes; ++i)
        data += char((crc >> (8 * i)) & 0xff);
    return kWord.toString() + QString::number(version) + u':'
        + QString::fromLatin1(data.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

ShareCodeRead DecodeShareCode(QStringView text)
{
    Split split = SplitCode(text);
    if (split.error != ShareCodeError::None)
        return Refused(split.error);
    if (!std::all_of(split.payload.begin(), split.payload.end(), IsBase64Url))
        return Refused(ShareCodeError::Damaged);
    // A lone last character carries no whole byte: the code was cut there, or it is extra.
    const bool lone = split.payload.size() % 4 == 1;
    if (lone)
        split.payload.chop(1);
    const QByteArray data = QByteArray::fromBase64(split.payload.toLatin1(), QByteArray::Base64UrlEncoding);

    Reader head(data);
    const std::uint32_t length = head.varint();
    if (!head.good())
        return Refused(ShareCodeError::Cut);
    const qsizetype expected = head.at() + qsizetype(length) + kChecksumBytes;
    if (data.size() < expected)
        return Refused(ShareCodeError::Cut);
    if (data.size() > expected || lone)
        return Refused(ShareCodeError::Damaged);
    std::uint32_t crc = 0;
    for (int i = 0; i < kChecksumBytes; ++i)
        crc |= std::uint32_t(std::uint8_t(data[expected - kChecksumBytes + i])) << (8 * i);
    if (crc != Crc32(QByteArrayView(data).first(expected - kChecksumBytes)))
        return Refused(ShareCodeError::Damaged);
    const std::optional<SharedPlan> plan = ReadBody(QByteArrayView(data).sliced(head.at(), length), split.version);
    if (!plan)
        return Refused(ShareCodeError::Damaged);
    return {ShareCodeError::None, *plan, QString()};
}

bool LooksLikeShareCode(QStringView text)
{
    const ShareCodeError error = SplitCode(text).error;
    return error == ShareCodeError::None || error == ShareCodeError::Newer;
}

SheetTexts SheetTextsOf(const SharedPlan &plan)
{
    SheetTexts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = QString::number(plan.sheet[i]);
    return texts;
}

Outcome ApplySharedGoals(GoalRows &rows, const SharedPlan &plan, const Catalogue &catalogue,
                         const CaptionTable &captions)
{
    QStringList changed; // goals by their number in the code, from 1
    for (size_t g = 0; g < plan.goals.size(); ++g) {
        const int k = plan.goals[g].place.category;
        if (plan.goals[g].stat == 0 && k >= 1 && k <= kCategoryCount && plan.marks[size_t(k - 1)]
            && *plan.marks[size_t(k - 1)] != MarkOf(catalogue, k))
            changed << QString::number(g + 1);
    }
    if (!changed.isEmpty())
        return Outcome::Failure(QCoreApplication::translate("Brevath",
                                                            "This share code was made with a different catalogue: "
                                                            "here its goal(s) %1 may name other entries. It was not "
                                                            "loaded.",
                                                            nullptr, int(changed.size()))
                                    .arg(changed.join(QStringLiteral(", "))));
    ChoiceFileLoad load;
    int unknown = 0;
    for (const SharedGoal &goal : plan.goals) {
        if (goal.stat != 0) {
            load.rows.push_back({PackStatTarget(goal.stat, 0), goal.stat, QString::number(goal.value)});
        } else if (const int entry = EntryAtPlace(catalogue, goal.place)) {
            load.rows.push_back({0, -1, catalogue.entry(entry).name});
        } else {
            ++unknown;
        }
    }
    if (unknown > 0)
        return Outcome::Failure(QCoreApplication::translate(
            "Brevath", "This share code names %n goal(s) that the catalogue in force does not hold.", nullptr,
            unknown));
    for (int row = int(load.rows.size()); row < kChoiceRows; ++row)
        load.rows.push_back({0, -1, PlaceholderText(captions, row)});
    load.ok = true;
    ApplyChoiceLoad(rows, load);
    return Outcome::Success();
}

} // namespace brevath
