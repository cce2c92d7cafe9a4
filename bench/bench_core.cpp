// Catalogue loading and one 81-goal plan, on a generated catalogue of 32,767 entries; the full
// and numbers-only runs and the order assistant on 81 goals of the shipped English catalogue.

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "Catalogue.h"
#include "OrderAssistant.h"
#include "Simulation.h"
#include "TextFile.h"
#include "Workspace.h"

using namespace brevath;

namespace {

constexpr int kEntries = 32767;

// Names and requirements shaped like the shipped catalogues: a few words, numbers up to 450.
QByteArray generatedCatalogue()
{
    QByteArray bytes;
    for (int e = 1; e <= kEntries; ++e) {
        bytes += "Generated item of the rise number " + QByteArray::number(e);
        for (int s = 0; s < 5; ++s)
            bytes += '\t' + QByteArray::number((e * (s + 3) * 7) % 450);
        bytes += "\r\n";
    }
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
            world.choices.rows.push_back({-1, PackStatTarget(1 + i % 5, 60 + 4 * i), false});
        else
            world.choices.rows.push_back({1 + (i * 397) % kEntries, 0, false});
    }
    RiseStart start;
    for (auto _ : state) {
        std::vector<ResultRow> rows = SimulateRise(world.choices, world.catalogue, world.captions, start, world.results);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_Plan81Goals)->Unit(benchmark::kMicrosecond);

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
            world.choices.rows.push_back({1 + (i * 37) % count, 0, false});
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
        std::vector<ResultRow> rows = SimulateRise(world.choices, world.catalogue, world.captions, start, world.results);
        benchmark::DoNotOptimize(rows);
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
    state.counters["sum_before"] = double(suggestion.before.sum);
    state.counters["sum_after"] = double(suggestion.after.sum);
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
