#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "Catalogue.h"
#include "ChoiceFile.h"
#include "Numbers.h"
#include "PlanFile.h"
#include "Records.h"
#include "ShareCode.h"
#include "TextFile.h"
#include "Workspace.h"
#include "HtmlExport.h"
#include "TextExport.h"
#include "CaptionTable.h"
#include "LanguageSettings.h"

// A broken promise aborts, which libFuzzer reports like a crash and saves the input.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                   \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace brevath::fuzz {

namespace {

const QDir &scratch()
{
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid());
    static const QDir path(dir.path());
    return path;
}

QString writeScratch(const QString &name, QByteArrayView bytes)
{
    const QString path = scratch().filePath(name);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size());
    return path;
}

qsizetype countRecords(const QString &text)
{
    RecordReader reader(text);
    qsizetype count = 0;
    while (reader.ReadRecord())
        ++count;
    return count;
}

// Every TAB-separated field read back in order gives the line again.
void checkTabFields(QStringView line)
{
    const qsizetype tabs = line.count(u'\t');
    QString joined;
    int position = 1;
    try {
        for (qsizetype i = 0; i <= tabs; ++i) {
            if (i > 0)
                joined += u'\t';
            joined += NextTabField(position, line);
        }
        FUZZ_CHECK(joined == line);
        const bool endsOnTab = line.isEmpty() || line.endsWith(u'\t');
        FUZZ_CHECK(position == line.size() + (endsOnTab ? 2 : 1));
        const int before = position;
        FUZZ_CHECK(NextTabField(position, line).isEmpty() && position == before + 1);
    } catch (const FieldPositionOverflow &) {
        FUZZ_CHECK(line.size() >= 32766);
    }
}

void leadingNumber(QByteArrayView input)
{
    const QString text = DecodeWindows1252(input);
    const double value = LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(value));
    // A character that cannot continue a number leaves it as it was, sign of zero included.
    const double extended = LeadingNumber(text + u'#');
    FUZZ_CHECK(std::memcmp(&value, &extended, sizeof value) == 0);
    if (const std::optional<std::int32_t> n = ToInt32(value))
        FUZZ_CHECK(std::fabs(double(*n) - value) <= 0.5);
    else
        FUZZ_CHECK(!std::isfinite(value) || std::fabs(value) > 2147483647.0);
}

void records(QByteArrayView input)
{
    const QString text = DecodeWindows1252(input);
    RecordReader reader(text);
    qsizetype count = 0;
    while (!reader.atEnd()) {
        const std::optional<QString> record = reader.ReadRecord();
        FUZZ_CHECK(record && record->size() <= text.size());
        FUZZ_CHECK(++count <= text.size()); // every record uses up at least one character
        checkTabFields(*record);
    }
    FUZZ_CHECK(!reader.ReadRecord());
}

void catalogueFile(QByteArrayView input)
{
    const QString path = writeScratch(QStringLiteral("catalogue.txt"), input);
    const qsizetype records = countRecords(DecodeWindows1252(input));
    for (const CategoryFlag category : {CategoryFlagOf(1), kSpellCategory}) {
        Catalogue catalogue;
        const Outcome loaded = LoadCatalogueFile(path, category, category == kSpellCategory ? 6 : 5,
                                                 QStringLiteral("Unreadable"), catalogue);
        if (!loaded.ok) {
            FUZZ_CHECK(loaded.message == QStringLiteral("Unreadable ") + path);
            FUZZ_CHECK(catalogue.count() < records);
        } else {
            FUZZ_CHECK(catalogue.count() == records);
        }
        for (int e = 1; e <= catalogue.count(); ++e) {
            const CatalogueEntry &entry = catalogue.entry(e);
            FUZZ_CHECK(entry.category == category);
            FUZZ_CHECK(category == kSpellCategory || (entry.Requirement(6) == 0 && entry.extra == 0));
            const int found = catalogue.FindByName(entry.name);
            FUZZ_CHECK(found >= 1 && found <= e && catalogue.entry(found).name == entry.name);
        }
    }
}

void captionFile(QByteArrayView input)
{
    const QString path = writeScratch(QStringLiteral("captions.txt"), input);
    CaptionTable table;
    const Outcome loaded = LoadCaptionFile(path, table);
    const QString text = DecodeWindows1252(input);
    const qsizetype records = countRecords(text);
    FUZZ_CHECK(!loaded.ok == (records < CaptionTable::kEntries));
    if (!loaded.ok)
        FUZZ_CHECK(loaded.message == QStringLiteral("Unable to open language file ") + path);
    RecordReader reader(text);
    for (int n = 1; n <= CaptionTable::kEntries; ++n) {
        const std::optional<QString> record = reader.ReadRecord();
        FUZZ_CHECK(table.entry(n) == record.value_or(QString()));
    }
}

bool readsBackAsWritten(const QString &word)
{
    return !word.contains(u',') && !word.contains(u'\r') && !word.contains(u'\n') && !word.startsWith(u'"')
        && !word.startsWith(u' ') && !word.endsWith(u' ');
}

void settingsFile(QByteArrayView input)
{
    const QString path = writeScratch(QStringLiteral("Brevath.ini"), input);
    const std::optional<QString> word = ReadLanguageWord(path);
    // A word holding a NUL, or too long for a file name, is no word at all.
    FUZZ_CHECK(!word || (!input.isEmpty() && !word->contains(QChar(0))));
    if (!word)
        return;
    const LanguageSettings paths = LanguagePaths(scratch().path(), *word);
    FUZZ_CHECK(paths.captionFile == scratch().path() + u'/' + *word + QStringLiteral(".txt"));
    FUZZ_CHECK(WriteLanguageWord(path, *word));
    const std::optional<QString> again = ReadLanguageWord(path);
    FUZZ_CHECK(again);
    if (readsBackAsWritten(*word))
        FUZZ_CHECK(*again == *word);
}

// The fixture captions, with the English catalogue and the fixture entries after it.
Workspace choiceWorld()
{
    Workspace world;
    FUZZ_CHECK(LoadLanguageWord(world, QStringLiteral(BREVATH_FIXTURES), QStringLiteral("testland")).isEmpty());
    const LanguageSettings english = LanguagePaths(QStringLiteral(BREVATH_DATA), QStringLiteral("english"));
    FUZZ_CHECK(LoadCatalogue(english.catalogueFiles, QString(), world.catalogue).isEmpty());
    for (int k = 1; k <= kCategoryCount; ++k) {
        const CategoryFlag flag = CategoryFlagOf(k);
        FUZZ_CHECK(LoadCatalogueFile(world.language.catalogueFiles[k - 1], flag, flag == kSpellCategory ? 6 : 5,
                                     QString(), world.catalogue)
                       .ok);
    }
    return world;
}

// The rows of a build with every category ticked, as the screen would hold them.
GoalRows screenRows(const ChoiceFileLoad &load, const CaptionTable &captions)
{
    FUZZ_CHECK(load.ok && load.rows.size() == size_t(kChoiceRows));
    for (const LoadedChoiceRow &row : load.rows) {
        // A statistic selects its own item; a field 1 just above 0 selects the item before them.
        if (row.kind > 0)
            FUZZ_CHECK(row.kind % kStatTargetScale == 0 && row.typeFromEnd == TargetStat(row.kind)
                       && row.typeFromEnd >= 1 && row.typeFromEnd <= kStatCount);
        else
            FUZZ_CHECK(row.typeFromEnd == -1 || (row.typeFromEnd == 0 && row.kind == 0));
    }
    GoalRows rows = FreshGoalRows(captions, 1 + kCategoryCount + kStatCount);
    ApplyChoiceLoad(rows, load);
    return rows;
}

void choiceFile(QByteArrayView input)
{
    static const Workspace world = choiceWorld();
    const ChoiceFileLoad load = ParseChoiceText(DecodeWindows1252(input), world.captions);
    if (!load.ok) {
        FUZZ_CHECK(load.rows.size() < size_t(kChoiceRows));
        return;
    }
    const GoalRows rows = screenRows(load, world.captions);
    const std::optional<ChoiceList> list = BuildChoiceList(rows, world.catalogue, world.captions);
    if (!list)
        return;
    FUZZ_CHECK(list->rows.size() <= size_t(kChoiceRows));

    // What is saved loads back as the same goals.
    const QByteArray saved = ChoiceFileBytes(*list, world.catalogue);
    const GoalRows again = screenRows(ParseChoiceText(DecodeWindows1252(saved), world.captions), world.captions);
    const std::optional<ChoiceList> reloaded = BuildChoiceList(again, world.catalogue, world.captions);
    FUZZ_CHECK(reloaded && reloaded->rows.size() == list->rows.size());
    for (size_t c = 0; c < list->rows.size(); ++c)
        FUZZ_CHECK(reloaded->rows[c].entry == list->rows[c].entry && reloaded->rows[c].target == list->rows[c].target);
}

std::vector<std::optional<QByteArrayView>> planSections(QByteArrayView input)
{
    std::vector<std::optional<QByteArrayView>> sections(kPlanSections);
    qsizetype start = 0;
    for (int s = 0; s < kPlanSections && start <= input.size(); ++s) {
        qsizetype end = input.indexOf(kSectionSeparator, start);
        if (end < 0)
            end = input.size();
        sections[size_t(s)] = input.sliced(start, end - start);
        start = end + 1;
    }
    return sections;
}

void placeFile(const QString &path, const std::optional<QByteArrayView> &bytes)
{
    if (!bytes) {
        QFile::remove(path);
        return;
    }
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes->data(), bytes->size()) == bytes->size());
}

void wholePlan(QByteArrayView input)
{
    const std::vector<std::optional<QByteArrayView>> sections = planSections(input);
    const QString dir = scratch().filePath(QStringLiteral("plan"));
    const QString language = QStringLiteral("fz");
    const LanguageSettings paths = LanguagePaths(dir, language);
    FUZZ_CHECK(QDir().mkpath(dir + u'/' + language));
    const QString choicePath = dir + QStringLiteral("/choices.txt");
    placeFile(choicePath, sections[1]);
    placeFile(paths.captionFile, sections[2]);
    for (int k = 0; k < kCategoryCount; ++k)
        placeFile(paths.catalogueFiles[size_t(k)], sections[size_t(3 + k)]);

    Workspace world;
    LoadLanguageWord(world, dir, language);
    world.LoadCatalogue();

    SheetTexts texts = DefaultSheetTexts();
    int priority = 0;
    const QStringList sheet = DecodeWindows1252(sections[0].value_or(QByteArrayView())).split(u'\t');
    for (qsizetype i = 0; i < sheet.size() && i < kSheetTextCount; ++i)
        texts[size_t(i)] = sheet[i];
    if (sheet.size() > kSheetTextCount)
        priority = sheet[kSheetTextCount].toInt();
    if (!CommitSheet(texts, priority, world.inputs))
        return;
    FUZZ_CHECK(world.inputs.SDLevel >= kLowestStartLevel);

    const ChoiceFileLoad load = ReadChoiceFile(choicePath, world.captions);
    if (!load.ok) {
        FUZZ_CHECK(load.message == world.captions.message(Caption::ReadFailed, choicePath));
        return;
    }
    world.goals = screenRows(load, world.captions);
    const std::optional<Plan> plan = PlayPlan(world.goals, world.inputs, world.catalogue, world.captions);
    if (!plan)
        return;

    const std::int32_t level = world.inputs.SDLevel;
    const size_t expected = plan->list.rows.empty() || level > 199 ? 0 : size_t(200 - level);
    FUZZ_CHECK(plan->lines.size() == expected);
    for (size_t i = 0; i < plan->lines.size(); ++i)
        FUZZ_CHECK(plan->lines[i].level() == level + qint64(i));
    FUZZ_CHECK(!TxtBytes(*plan, world.captions).isEmpty());
    // Names and captions never become markup: the only rows are the page's own.
    FUZZ_CHECK(HtmlBytes(*plan, world.captions).count("<TR>") == qsizetype(expected) + 1);
}

// The fixture captions over the English catalogue alone, whose categories follow load order.
Workspace shareWorld()
{
    Workspace world;
    FUZZ_CHECK(LoadLanguageWord(world, QStringLiteral(BREVATH_FIXTURES), QStringLiteral("testland")).isEmpty());
    const LanguageSettings english = LanguagePaths(QStringLiteral(BREVATH_DATA), QStringLiteral("english"));
    FUZZ_CHECK(LoadCatalogue(english.catalogueFiles, QString(), world.catalogue).isEmpty());
    return world;
}

void shareCodeText(const QString &text)
{
    static const Workspace world = shareWorld();
    const ShareCodeRead read = DecodeShareCode(text);
    FUZZ_CHECK((read.error == ShareCodeError::None) == read.message.isEmpty());
    if (read.error != ShareCodeError::None) {
        FUZZ_CHECK(read.plan == SharedPlan{}); // never half-read
        return;
    }
    // What reads writes back as a code that reads the same, and every cut of it is refused as cut.
    const QString again = EncodeShareCode(read.plan);
    FUZZ_CHECK(DecodeShareCode(again).plan == read.plan);
    for (qsizetype n = 1; n < again.size(); ++n)
        FUZZ_CHECK(DecodeShareCode(QStringView(again).first(n)).error == ShareCodeError::Cut);

    // Over rows, all goals or none; what loads plays as the same goals.
    GoalRows rows = FreshGoalRows(world.captions, 1 + kCategoryCount + kStatCount);
    const GoalRows before = rows;
    if (!ApplySharedGoals(rows, read.plan, world.catalogue, world.captions).ok) {
        FUZZ_CHECK(rows == before);
        return;
    }
    const std::optional<ChoiceList> list = BuildChoiceList(rows, world.catalogue, world.captions);
    FUZZ_CHECK(list);
    FUZZ_CHECK(SharedPlanOf(PlanInputs{}, read.plan.shown, *list, world.catalogue).goals == read.plan.goals);
}

void shareCode(QByteArrayView input)
{
    shareCodeText(QString::fromUtf8(input));
    // Framed with a right length and checksum, the input reaches the body's reader, which no
    // random text would get past the checksum to.
    const QString framed = ShareCodeOfBody(input);
    const ShareCodeRead read = DecodeShareCode(framed);
    FUZZ_CHECK(read.error == ShareCodeError::None || read.error == ShareCodeError::Damaged);
    shareCodeText(framed);
}

// A plan file is read whole or refused with why; what reads is written back as a file that
// reads the same.
void planFile(QByteArrayView input)
{
    const PlanFileRead read = ParsePlanFile(input, QStringLiteral("fuzz"));
    FUZZ_CHECK(read.ok == read.message.isEmpty());
    if (!read.ok) {
        FUZZ_CHECK(read.plan == PlanFile{});
        return;
    }
    FUZZ_CHECK(int(read.plan.goals.size()) <= kChoiceRows);
    const PlanFileRead again = ParsePlanFile(PlanFileBytes(read.plan), QStringLiteral("again"));
    FUZZ_CHECK(again.ok && again.plan == read.plan);
}

} // namespace

const std::array<FuzzTarget, 9> kTargets = {{
    {"leading_number", leadingNumber},
    {"records", records},
    {"catalogue", catalogueFile},
    {"captions", captionFile},
    {"settings", settingsFile},
    {"choices", choiceFile},
    {"share_code", shareCode},
    {"plan", wholePlan},
    {"plan_file", planFile},
}};

} // namespace brevath::fuzz
