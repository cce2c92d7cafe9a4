// Catalogue loading and one 81-goal plan, on a generated catalogue of 32,767 entries; the
// peak memory of loading large catalogue files; the full and numbers-only runs on 81 goals of
// the shipped English catalogue, and the order assistant on two such plans; 81 goals planned
// as named in force, translated from French and read from a share code, over 8 MB more of
// catalogue.

#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <filesystem>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Catalogue.h"
#include "GoalTranslation.h"
#include "OrderAssistant.h"
#include "ShareCode.h"
#include "Simulation.h"
#include "TextFile.h"
#include "Workspace.h"

using namespace brevath;

namespace {

constexpr int kEntries = 32767;

// Names and requirements shaped like the shipped catalogues: a few words, numbers up to 450.
QByteArray generatedLine(int e)
{
    QByteArray line = "Generated item of the rise number " + QByteArray::number(e);
    for (int s = 0; s < 5; ++s)
        line += '\t' + QByteArray::number((e * (s + 3) * 7) % 450);
    return line + "\r\n";
}

QByteArray generatedCatalogue()
{
    QByteArray bytes;
    for (int e = 1; e <= kEntries; ++e)
        bytes += generatedLine(e);
    return bytes;
}

struct GeneratedFile
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("generated_arcs.txt"));
    qint64 size = 0;

    GeneratedFile()
    {
        const QByteArray bytes = generatedCatalogue();
        SaveFileAtomically(path, bytes);
        size = bytes.size();
    }
};

void BM_LoadCatalogue(benchmark::State &state)
{
    static GeneratedFile file;
    for (auto _ : state) {
        Catalogue catalogue;
        LoadCatalogueFile(file.path, 1, 5, QStringLiteral("Could not read"), catalogue);
        if (catalogue.count() != kEntries)
            state.SkipWithError("catalogue did not load whole");
        benchmark::DoNotOptimize(catalogue);
    }
    state.SetBytesProcessed(state.iterations() * file.size);
    state.counters["entries"] = kEntries;
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

void BM_Plan81Goals(benchmark::State &state)
{
    static GeneratedFile file;
    Workspace world;
    LoadCatalogueFile(file.path, 1, 5, QStringLiteral("Could not read"), world.catalogue);
    // 81 goals spread over the catalogue, every ninth a statistic target.
    for (int i = 0; i < kChoiceRows; ++i) {
        if (i % 9 == 8)
            world.choices.rows.push_back({-1, PackStatTarget(1 + i % 5, 60 + 4 * i)});
        else
            world.choices.rows.push_back({1 + (i * 397) % kEntries, 0});
    }
    RiseStart start;
    for (auto _ : state) {
        Plan plan = SimulateRise(world.choices, world.catalogue, world.captions, start);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_Plan81Goals)->Unit(benchmark::kMicrosecond);

enum class LargeKind { LineFeeds, Ordinary, TinyDistinct };

// A catalogue file of the given size: only line feeds, ordinary lines like the generated ones,
// or the shortest distinct lines (names of one letter or digit, then two, three, ...).
QString writeLargeCatalogue(const QTemporaryDir &dir, LargeKind kind, qsizetype size)
{
    QByteArray bytes;
    if (kind == LargeKind::LineFeeds) {
        bytes = QByteArray(size, '\n');
    } else if (kind == LargeKind::Ordinary) {
        bytes.reserve(size);
        for (int e = 1; bytes.size() + 80 <= size; ++e)
            bytes += generatedLine(e);
    } else {
        static constexpr char kSymbols[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        constexpr int n = sizeof kSymbols - 1;
        bytes.reserve(size);
        for (int length = 1; bytes.size() < size; ++length) {
            std::vector<int> digits(size_t(length), 0);
            do {
                for (const int d : digits)
                    bytes += kSymbols[d];
                bytes += '\n';
                size_t i = 0;
                while (i < digits.size() && ++digits[i] == n)
                    digits[i++] = 0;
                if (i == digits.size())
                    break;
            } while (bytes.size() < size);
        }
        bytes.truncate(size);
    }
    const QString path = dir.filePath(QStringLiteral("large_arcs.txt"));
    SaveFileAtomically(path, bytes);
    return path;
}

// What a child that loads the file and looks one name up holds at its peak beyond what it held
// before, and that peak, in kB; entries gets the entries loaded. {0, 0} when the child fails.
std::pair<long, long> loadingChildKb(const QString &path, int &entries)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {0, 0};
    const pid_t pid = fork();
    if (pid == 0) {
        const auto residentKb = [] {
            long pages = 0, resident = 0;
            FILE *statm = fopen("/proc/self/statm", "r");
            const bool read = statm && fscanf(statm, "%ld %ld", &pages, &resident) == 2;
            if (statm)
                fclose(statm);
            return read ? resident * (sysconf(_SC_PAGESIZE) / 1024) : 0;
        };
        const long before = residentKb();
        Catalogue catalogue;
        LoadCatalogueFile(path, 1, 5, QStringLiteral("Could not read"), catalogue);
        const int count[2] = {catalogue.count(), catalogue.FindByName(QStringLiteral("ZZZZ"))};
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long figures[2] = {usage.ru_maxrss - before, count[0]};
        _exit(write(pipeEnds[1], figures, sizeof figures) == sizeof figures ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    long figures[2] = {0, 0};
    const bool done = pid > 0 && wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0
        && read(pipeEnds[0], figures, sizeof figures) == sizeof figures;
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    entries = int(figures[1]);
    return done ? std::pair(figures[0], usage.ru_maxrss) : std::pair(0L, 0L);
}

// Each load runs in a child process, so that its peak resident memory is its own.
void BM_LoadLargeCatalogueMemory(benchmark::State &state)
{
    const auto kind = LargeKind(state.range(0));
    const qsizetype size = qsizetype(state.range(1)) << 20;
    QTemporaryDir dir;
    const QString path = writeLargeCatalogue(dir, kind, size);
    std::pair<long, long> kb{0, 0};
    int entries = 0;
    for (auto _ : state) {
        kb = loadingChildKb(path, entries);
        if (kb.second == 0)
            state.SkipWithError("the loading child failed");
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["entries"] = entries;
    state.counters["data_MB"] = double(size) / (1 << 20);
    state.counters["peak_MB"] = double(kb.second) / 1024;
    state.counters["bytes_per_byte"] = double(kb.first) * 1024 / double(size);
    state.counters["bound"] = 4;
}
BENCHMARK(BM_LoadLargeCatalogueMemory)
    ->ArgNames({"kind", "MB"}) // kind 0: line feeds, 1: ordinary lines, 2: tiny distinct lines
    ->Args({0, 8})
    ->Args({0, 64})
    ->Args({1, 8})
    ->Args({1, 64})
    ->Args({2, 8})
    ->Args({2, 64})
    ->Iterations(1)
    ->UseRealTime() // the work is the child's; the parent's CPU time is nearly nothing
    ->Unit(benchmark::kMillisecond);

// The shipped languages with 8 MB of line feeds after their special armours; 81 goals named in
// English (in force), the same named in French, and their share code. The other languages are
// read once, as the first translation does; each plan then costs what the player waits for.
struct LargeTravel
{
    QTemporaryDir dir;
    Workspace world;
    GoalRows english, french;
    QString code;

    LargeTravel()
    {
        namespace fs = std::filesystem;
        fs::copy(BREVATH_DATA, dir.path().toStdString(), fs::copy_options::recursive);
        for (const char *word : {"english", "french", "german"}) {
            const QString path = LanguagePaths(dir.path(), QLatin1String(word)).catalogueFiles[kCategoryCount - 1];
            SaveFileAtomically(path, ReadFileBytes(path).value_or(QByteArray()) + QByteArray(8 << 20, '\n'));
        }
        QStringList messages = LoadLanguageWord(world, dir.path(), QStringLiteral("english"));
        messages += world.LoadCatalogue();
        Catalogue inFrench;
        messages += LoadCatalogue(LanguagePaths(dir.path(), QStringLiteral("french")).catalogueFiles,
                                  QStringLiteral("Could not read"), inFrench);
        if (!messages.isEmpty())
            qFatal("large catalogue: %s", qPrintable(messages.join(u'\n')));
        const int shipped = world.catalogue.count() - (8 << 20);
        const int types = 1 + kCategoryCount + kStatCount;
        english = french = FreshGoalRows(world.captions, types);
        ChoiceList list;
        for (int i = 0; i < kChoiceRows; ++i) {
            const int e = 1 + (i * 37) % shipped;
            english.texts[size_t(i)] = world.catalogue.entry(e).name;
            french.texts[size_t(i)] = inFrench.entry(e).name;
            list.rows.push_back({e, 0});
        }
        code = EncodeShareCode(SharedPlanOf(world.inputs, world.filters.states, list, world.catalogue));
        world.OtherCatalogues().catalogues();
    }
};

LargeTravel &largeTravel()
{
    static LargeTravel travel;
    return travel;
}

// Argument: 0 the goals named in force, 1 named in French, 2 from the share code.
void BM_Travel81Large(benchmark::State &state)
{
    LargeTravel &travel = largeTravel();
    Workspace &world = travel.world;
    for (auto _ : state) {
        GoalRows rows = state.range(0) == 1 ? travel.french : travel.english;
        if (state.range(0) == 1
            && TranslateGoals(rows, world.catalogue, world.OtherCatalogues(), world.captions) != kChoiceRows)
            state.SkipWithError("not every goal translated");
        if (state.range(0) == 2
            && !ApplySharedGoals(rows, DecodeShareCode(travel.code).plan, world.catalogue, world.captions).ok)
            state.SkipWithError("the code was refused");
        std::optional<Plan> plan = PlayPlan(rows, world.inputs, world.catalogue, world.captions);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_Travel81Large)->ArgName("way")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// 81 goals spread over the shipped English catalogue, in no particular order.
struct ShippedPlan
{
    Workspace world;

    ShippedPlan()
    {
        QStringList messages = LoadLanguageWord(world, QStringLiteral(BREVATH_DATA), QStringLiteral("english"));
        messages += world.LoadCatalogue();
        const int count = world.catalogue.count();
        if (!messages.isEmpty() || count < kChoiceRows)
            qFatal("shipped catalogue: %s", qPrintable(messages.join(u'\n')));
        for (int i = 0; i < kChoiceRows; ++i)
            world.choices.rows.push_back({1 + (i * 37) % count, 0});
    }
};

ShippedPlan &shippedPlan()
{
    static ShippedPlan plan;
    return plan;
}

void BM_PlanFull81(benchmark::State &state)
{
    Workspace &world = shippedPlan().world;
    const RiseStart start;
    for (auto _ : state) {
        Plan plan = SimulateRise(world.choices, world.catalogue, world.captions, start);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_PlanFull81)->Unit(benchmark::kMicrosecond);

void BM_PlanLevels81(benchmark::State &state)
{
    const Workspace &world = shippedPlan().world;
    const std::vector<GoalNeeds> goals = NeedsOf(world.choices, world.catalogue);
    const RiseStart start;
    for (auto _ : state) {
        std::vector<int> levels = ReachLevels(goals, start);
        benchmark::DoNotOptimize(levels);
    }
}
BENCHMARK(BM_PlanLevels81)->Unit(benchmark::kMicrosecond);

// One goal changed, the 81 played again by numbers alone: what every edit of the choice
// screen's rows costs before any box is touched.
void BM_ReplanAfterOneEdit81(benchmark::State &state)
{
    const Workspace &world = shippedPlan().world;
    std::vector<GoalNeeds> goals = NeedsOf(world.choices, world.catalogue);
    const GoalNeeds edits[2] = {goals[40], goals[41]};
    const RiseStart start;
    int flip = 0;
    for (auto _ : state) {
        goals[40] = edits[flip ^= 1];
        std::vector<int> levels = ReachLevels(goals, start);
        benchmark::DoNotOptimize(levels);
    }
}
BENCHMARK(BM_ReplanAfterOneEdit81)->Unit(benchmark::kMicrosecond);

// The plans the assistant is measured on, each with the best sum known for it: the assistant's
// own search run once with a share of 1,500,000 evaluations per start instead of its usual one
// (4 starts, 6 million evaluations, for the first; 8 starts, 12 million, for the second, which
// found the same 5,121 with the first-improvement descent that preceded the present one).
struct OrderInstance
{
    OrderRequest request;
    int bestKnownSum = 0;
};

// 0: the shipped plan from the default sheet. 1: a mage, 81 of the robes, amulets, rings,
// bracelets and spells (load orders 2, 5, 6, 7, 9) from level 5 with Sag 18, Int 20 and Int
// for the spare points.
const OrderInstance &orderInstance(int which)
{
    static const std::array<OrderInstance, 2> instances = [] {
        const Workspace &world = shippedPlan().world;
        std::vector<int> entries;
        for (int e = 1; e <= world.catalogue.count(); ++e) {
            const int k = LoadOrderOf(world.catalogue.categoryOf(e));
            if (k == 2 || (k >= 5 && k <= 7) || k == 9)
                entries.push_back(e);
        }
        if (entries.size() < size_t(kChoiceRows))
            qFatal("the mage's categories hold %zu entries", entries.size());
        ChoiceList mage;
        for (int i = 0; i < kChoiceRows; ++i) // 29 shares no factor with the 100 shipped entries
            mage.rows.push_back({entries[size_t(i * 29) % entries.size()], 0});
        const RiseStart mageStart{10, 12, 10, 18, 20, 70, 50, 5, 5};
        return std::array<OrderInstance, 2>{OrderInstance{{NeedsOf(world.choices, world.catalogue)}, 6286},
                                            OrderInstance{{NeedsOf(mage, world.catalogue), mageStart}, 5121}};
    }();
    return instances[size_t(which)];
}

// Arguments: the plan (above), worker threads (0 for the machine's cores).
void BM_SuggestOrder81(benchmark::State &state)
{
    const OrderInstance &instance = orderInstance(int(state.range(0)));
    OrderSuggestion suggestion;
    for (auto _ : state) {
        suggestion = SuggestOrder(instance.request, nullptr, {}, int(state.range(1)));
        benchmark::DoNotOptimize(suggestion);
    }
    state.counters["sum_before"] = double(suggestion.before.sum);
    state.counters["sum_after"] = double(suggestion.after.sum);
    state.counters["sum_best_known"] = instance.bestKnownSum;
    state.counters["ratio"] = double(suggestion.after.sum) / instance.bestKnownSum;
    state.counters["evaluations"] = double(suggestion.evaluations);
}
BENCHMARK(BM_SuggestOrder81)
    ->ArgNames({"plan", "threads"})
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(2);

} // namespace

BENCHMARK_MAIN();
