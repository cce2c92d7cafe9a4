// Catalogue loading and one 81-goal plan, on a generated catalogue of 32,767 entries; the
// peak memory of loading large catalogue files; the full and numbers-only runs and the order
// assistant on 81 goals of the shipped English catalogue.

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Catalogue.h"
#include "OrderAssistant.h"
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

// A catalogue file of the given size: only line feeds, or ordinary lines like the generated ones.
QString writeLargeCatalogue(const QTemporaryDir &dir, bool emptyLines, qsizetype size)
{
    QByteArray bytes;
    if (emptyLines) {
        bytes = QByteArray(size, '\n');
    } else {
        bytes.reserve(size);
        for (int e = 1; bytes.size() + 80 <= size; ++e)
            bytes += generatedLine(e);
    }
    const QString path = dir.filePath(QStringLiteral("large_arcs.txt"));
    SaveFileAtomically(path, bytes);
    return path;
}

// Each load runs in a child process, so that its peak resident memory is its own.
void BM_LoadLargeCatalogueMemory(benchmark::State &state)
{
    const bool emptyLines = state.range(0) == 0;
    const qsizetype size = qsizetype(state.range(1)) << 20;
    QTemporaryDir dir;
    const QString path = writeLargeCatalogue(dir, emptyLines, size);
    long peakKb = 0;
    int entries = 0;
    for (auto _ : state) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0)
            state.SkipWithError("no pipe");
        const pid_t pid = fork();
        if (pid == 0) {
            Catalogue catalogue;
            LoadCatalogueFile(path, 1, 5, QStringLiteral("Could not read"), catalogue);
            const int count = catalogue.count();
            _exit(write(pipeEnds[1], &count, sizeof count) == sizeof count ? 0 : 1);
        }
        int status = 0;
        rusage usage{};
        if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0
            || read(pipeEnds[0], &entries, sizeof entries) != sizeof entries)
            state.SkipWithError("the loading child failed");
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["entries"] = entries;
    state.counters["data_MB"] = double(size) / (1 << 20);
    state.counters["peak_MB"] = double(peakKb) / 1024;
    state.counters["bound_MB"] = 3.0 * double(size) / (1 << 20) + 50;
}
BENCHMARK(BM_LoadLargeCatalogueMemory)
    ->ArgNames({"ordinary", "MB"})
    ->Args({0, 8})
    ->Args({0, 64})
    ->Args({1, 8})
    ->Args({1, 64})
    ->Iterations(1)
    ->UseRealTime() // the work is the child's; the parent's CPU time is nearly nothing
    ->Unit(benchmark::kMillisecond);

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

// Argument: worker threads, 0 for the machine's cores.
void BM_SuggestOrder81(benchmark::State &state)
{
    const Workspace &world = shippedPlan().world;
    OrderRequest request;
    request.goals = NeedsOf(world.choices, world.catalogue);
    request.objective = OrderObjective::Sum;
    OrderSuggestion suggestion;
    for (auto _ : state) {
        suggestion = SuggestOrder(request, nullptr, {}, int(state.range(0)));
        benchmark::DoNotOptimize(suggestion);
    }
    // The best sum known for the shipped plan: the assistant's own search run once with a share of
    // 1,500,000 evaluations per start (6 million in all) instead of its usual one.
    constexpr int kBestKnownSum = 6286;
    state.counters["sum_before"] = double(suggestion.before.sum);
    state.counters["sum_after"] = double(suggestion.after.sum);
    state.counters["sum_best_known"] = kBestKnownSum;
    state.counters["ratio"] = double(suggestion.after.sum) / kBestKnownSum;
    state.counters["evaluations"] = double(suggestion.evaluations);
}
BENCHMARK(BM_SuggestOrder81)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(2);

} // namespace

BENCHMARK_MAIN();
