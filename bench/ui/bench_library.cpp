// Plans as the player keeps them, on the shipped catalogues: the levels the choice screen
// shows, refreshed after one edit of 81 filled rows; and the library window opened cold on
// a folder of 1,000 plan files, every line with its levels worked out.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "LibraryWindow.h"
#include "OffscreenBenchmarks.h"
#include "PlanLibrary.h"
#include "ScriptedPrompts.h"
#include "SecondScreen.h"
#include "Workspace.h"

using namespace brevath;
using namespace brevath::ui;

namespace {

constexpr int kPlans = 1000;

Workspace shippedWorld(const char *language)
{
    Workspace world;
    QStringList messages = LoadLanguageWord(world, QStringLiteral(BREVATH_DATA), QLatin1String(language));
    messages += world.LoadCatalogue();
    if (!messages.isEmpty() || !CommitSheet(DefaultSheetTexts(), {}, world.inputs))
        qFatal("shipped data: %s", qPrintable(messages.join(u'\n')));
    return world;
}

CategoryStates allCategories()
{
    CategoryStates states;
    states.fill(true);
    return states;
}

// The choice screen with 81 goals spread over the English catalogue.
struct FilledScreen
{
    Workspace world = shippedWorld("english");
    ScriptedPrompts prompts;
    SecondScreen screen{world, prompts};

    FilledScreen()
    {
        screen.MakeCombos(allCategories(), nullptr);
        for (int i = 0; i < kChoiceRows; ++i)
            world.goals.texts[size_t(i)] = world.catalogue.entry(1 + (i * 37) % world.catalogue.count()).name;
        screen.ShowLevels();
    }
};

void BM_RefreshLevels81(benchmark::State &state)
{
    FilledScreen filled;
    const QString names[2] = {filled.world.goals.texts[40], filled.world.goals.texts[41]};
    int flip = 0;
    for (auto _ : state) {
        filled.world.goals.texts[40] = names[flip ^= 1];
        filled.screen.ShowLevels();
    }
}

// A keystroke's whole round: the history takes the text and the screen shows every row again.
void BM_TypeInFilledRow81(benchmark::State &state)
{
    FilledScreen filled;
    QLineEdit *edit = filled.screen.findChild<QComboBox *>(QStringLiteral("Choix1_40"))->lineEdit();
    const QString names[2] = {filled.world.goals.texts[40], filled.world.goals.texts[41]};
    int flip = 0;
    for (auto _ : state) {
        edit->setText(names[flip ^= 1]);
        emit edit->textEdited(edit->text());
    }
}

// 1,000 plans of 40 goals and a statistic target each, every tenth written in French.
struct PlanFolder
{
    QTemporaryDir dir;

    PlanFolder()
    {
        const Workspace english = shippedWorld("english"), french = shippedWorld("french");
        for (int p = 0; p < kPlans; ++p) {
            const Workspace &world = p % 10 == 9 ? french : english;
            PlanFile plan;
            plan.name = QStringLiteral("Plan number %1").arg(p);
            plan.notes = QStringLiteral("A character of the rise, kept for later");
            plan.language = world.language.language;
            plan.categories = allCategories();
            for (int g = 0; g < 40; ++g)
                plan.goals.push_back(
                    {0, 0, world.catalogue.entry(1 + (p * 7 + g * 37) % world.catalogue.count()).name});
            plan.goals.push_back({Str, 20 + p % 50, QString()});
            SavePlanFile(dir.filePath(PlanFileNameFor(plan.name)), plan);
        }
    }
};

void BM_OpenLibrary1000(benchmark::State &state)
{
    static PlanFolder folder;
    const Workspace english = shippedWorld("english");
    ScriptedPrompts prompts;
    int lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Workspace world = english; // no other language read yet
        state.ResumeTiming();
        LibraryWindow window(
            world, prompts, [&] { return folder.dir.path(); }, [] { return std::nullopt; });
        window.Refresh();
        // Shown and laid out, its columns sized to what they hold, as the player first sees it.
        window.show();
        QApplication::processEvents();
        lines = window.findChild<QSortFilterProxyModel *>(QStringLiteral("found"))->rowCount();
    }
    if (lines != kPlans)
        state.SkipWithError("the library does not list every plan");
    state.counters["plans"] = lines;
}

} // namespace

BENCHMARK(BM_RefreshLevels81)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeInFilledRow81)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenLibrary1000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
