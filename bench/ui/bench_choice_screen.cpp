// Building the choice screen on a generated catalogue of 32,767 entries, all offered: as the
// program does, with one list shared by the 81 entry boxes, and against 81 lists filled one
// item at a time. Reports the time of a build and the heap it leaves in use.

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <map>

#include "Controls.h"
#include "OffscreenBenchmarks.h"
#include "Prompts.h"
#include "SecondScreen.h"
#include "Workspace.h"

using namespace brevath;
using namespace brevath::ui;

namespace {

constexpr int kEntries = 32767;

class SilentPrompts : public Prompts
{
public:
    void ShowMessage(QWidget *, const QString &) override {}
    QString SaveFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString OpenFileName(QWidget *, const QString &) override { return {}; }
    bool Confirm(QWidget *, const QString &) override { return false; }
    std::optional<QString> AskText(QWidget *, const QString &, const QString &, bool) override { return {}; }
};

Workspace generated(int entries)
{
    Workspace w;
    for (int n = 1; n <= CaptionTable::kEntries; ++n)
        w.captions.setEntry(n, QStringLiteral("Caption %1").arg(n));
    w.catalogue.reserve(entries);
    for (int e = 1; e <= entries; ++e) {
        CatalogueEntry entry;
        entry.name = QStringLiteral("Generated item of the rise number %1").arg(e);
        for (int s = 0; s < 5; ++s)
            entry.requirement[size_t(s)] = (e * (s + 3) * 7) % 450;
        entry.category = CategoryFlagOf(1 + e % kCategoryCount);
        w.catalogue.append(entry);
    }
    return w;
}

Workspace &generatedWorld()
{
    static Workspace world = generated(kEntries);
    return world;
}

// The same captions over an empty catalogue: the rows of a build without its lists.
Workspace &emptyWorld()
{
    static Workspace world = generated(0);
    return world;
}

CategoryStates allCategories()
{
    CategoryStates states;
    states.fill(true);
    return states;
}

// The way measured against: each box its own list, the catalogue added to it name by name.
void fillItemByItem(const QList<QComboBox *> &boxes, const Workspace &world, QProgressBar &progress)
{
    for (QComboBox *box : boxes) {
        box->setModel(new QStandardItemModel(box));
        box->addItem(world.captions.entry(Caption::NoEntryItem));
    }
    const ChoiceFilters filters = ReadChoiceFilters(allCategories(), world.inputs);
    for (int e : OfferedEntries(world.catalogue, filters.mask, filters.maxima)) {
        const QString &name = world.catalogue.entry(e).name;
        for (QComboBox *box : boxes)
            box->addItem(name);
        progress.setValue(e);
    }
}

// Bytes the heap has handed out and not taken back, small blocks and mapped ones alike.
double heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

struct Figures
{
    double milliseconds = 0;
    double mebibytes = 0;
};
enum class Fill { Shared, ItemByItem };
std::map<Fill, Figures> g_figures;

void buildChoiceScreen(benchmark::State &state, Fill fill)
{
    SilentPrompts prompts;
    QProgressBar progress;
    double totalSeconds = 0, totalBytes = 0;
    for (auto _ : state) {
        const double heapBefore = heapInUse();
        const auto start = std::chrono::steady_clock::now();
        auto screen = std::make_unique<SecondScreen>(fill == Fill::Shared ? generatedWorld() : emptyWorld(), prompts);
        screen->MakeCombos(allCategories(), &progress);
        if (fill == Fill::ItemByItem)
            fillItemByItem(screen->findChildren<QComboBox *>(QRegularExpression("^Choix1_")), generatedWorld(),
                           progress);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        totalSeconds += took.count();
        totalBytes += heapInUse() - heapBefore;
        state.SetIterationTime(took.count());
        if (screen->findChild<QComboBox *>(ElementName("Choix1", SecondScreen::lNMax))->count() != kEntries + 1)
            state.SkipWithError("the last row does not list the whole catalogue");
        state.PauseTiming();
        screen.reset();
        // As the program's event loop would between two visits of the screen.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    const double runs = double(state.iterations());
    Figures &figures = g_figures[fill];
    figures.milliseconds = 1000.0 * totalSeconds / runs;
    figures.mebibytes = totalBytes / runs / (1024.0 * 1024.0);
    state.counters["heap_MiB"] = figures.mebibytes;
}

void BM_BuildSharedList(benchmark::State &state)
{
    buildChoiceScreen(state, Fill::Shared);
}

void BM_BuildItemByItem(benchmark::State &state)
{
    buildChoiceScreen(state, Fill::ItemByItem);
}

// Once built and shown, one scroll step moves 30 boxes and repaints, whatever the catalogue holds.
void BM_ScrollOneRow(benchmark::State &state)
{
    SilentPrompts prompts;
    SecondScreen screen(generatedWorld(), prompts);
    screen.MakeCombos(allCategories(), nullptr);
    screen.show();
    QCoreApplication::processEvents();
    auto *scroll = screen.findChild<QScrollBar *>(QStringLiteral("VScroll1"));
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % (scroll->maximum() + 1);
        scroll->setValue(value);
        screen.repaint();
    }
}

} // namespace

BENCHMARK(BM_BuildSharedList)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BuildItemByItem)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ScrollOneRow)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (const int code = RunOffscreenBenchmarks(argc, argv))
        return code;

    const auto shared = g_figures.find(Fill::Shared);
    const auto itemByItem = g_figures.find(Fill::ItemByItem);
    if (shared != g_figures.end() && itemByItem != g_figures.end()) {
        std::printf("\nChoice screen build, %d entries offered in each of 81 rows:\n", kEntries);
        std::printf("  shared list:  %9.1f ms  %8.1f MiB\n", shared->second.milliseconds, shared->second.mebibytes);
        std::printf("  item by item: %9.1f ms  %8.1f MiB\n", itemByItem->second.milliseconds,
                    itemByItem->second.mebibytes);
        std::printf("  shared is %.0f times faster and uses %.3f of the memory\n",
                    itemByItem->second.milliseconds / shared->second.milliseconds,
                    shared->second.mebibytes / itemByItem->second.mebibytes);
    }
    return 0;
}
