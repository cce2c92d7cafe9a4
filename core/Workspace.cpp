#include "Workspace.h"

namespace brevath {

QStringList Workspace::LoadCatalogue()
{
    // The goal rows stay: the choice screen's next build decides what becomes of them.
    ClearChoiceList(choices);
    m_otherCatalogues = OtherLanguages();
    return brevath::LoadCatalogue(language.catalogueFiles, captions.entry(Caption::ReadFailed), catalogue);
}

const OtherLanguages &Workspace::OtherCatalogues()
{
    m_otherCatalogues.ReadFrom(language.dataDir, language.language, catalogue);
    return m_otherCatalogues;
}

QStringList LoadLanguageWord(Workspace &workspace, const QString &dataDir, const QString &language)
{
    workspace.language = LanguagePaths(dataDir, language);
    QStringList messages;
    if (const Outcome loaded = LoadCaptionFile(workspace.language.captionFile, workspace.captions); !loaded.ok)
        messages << loaded.message;
    return messages;
}

std::optional<QStringList> LoadLanguageSettings(Workspace &workspace, const ProgramPaths &paths)
{
    const std::optional<QString> word = ReadLanguageWord(paths.settingsFile());
    if (!word)
        return std::nullopt;
    return LoadLanguageWord(workspace, paths.dataDir, *word);
}

} // namespace brevath
