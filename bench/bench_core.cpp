// Catalogue loading and one 81-goal plan, on a generated catalogue of 32,767 entries.

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "Catalogue.h"
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

} // namespace

BENCHMARK_MAIN();
