#include "Workspace.h"

#include "Simulation.h"

namespace brevath {

QStringList Workspace::LoadCatalogue()
{
    ClearChoiceList(choices);
    goals.kinds.fill(0);
    results.clear();
    return brevath::LoadCatalogue(language.catalogueFiles, captions.entry(Caption::ReadFailed), catalogue);
}

QStringList LoadLanguageWord(Workspace &workspace, const QString &programDir, const QString &language)
{
    workspace.language = LanguagePaths(programDir, language);
    QStringList messages;
    if (const Outcome loaded = LoadCaptionFile(workspace.language.captionFile, workspace.captions); !loaded.ok)
        messages << loaded.message;
    return messages;
}

std::optional<QStringList> LoadLanguageSettings(Workspace &workspace, const QString &programDir)
{
    const std::optional<QString> word = ReadLanguageWord(SettingsFilePath(programDir));
    if (!word)
        return std::nullopt;
    return LoadLanguageWord(workspace, programDir, *word);
}

PlanRun MakePlan(Workspace &workspace)
{
    PlanRun run;
    if (!BuildChoiceList(workspace.goals, workspace.choices, workspace.catalogue, workspace.captions))
        return run;
    run.rows = SimulateRise(workspace.choices, workspace.catalogue, workspace.captions,
                            RiseStart::FromInputs(workspace.inputs), workspace.results);
    run.ok = true;
    return run;
}

} // namespace brevath
