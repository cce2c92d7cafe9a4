#pragma once
// Everything a planning session holds: built fresh in one line by a test, owned by the
// program for a whole run.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "Catalogue.h"
#include "ChoiceFilters.h"
#include "ChoiceList.h"
#include "GoalRows.h"
#include "GoalTranslation.h"
#include "PlanInputs.h"
#include "CaptionTable.h"
#include "LanguageSettings.h"
#include "ProgramPaths.h"

namespace brevath {

struct Workspace
{
    CaptionTable captions;
    LanguageSettings language;
    Catalogue catalogue;
    ChoiceList choices;
    GoalRows goals;
    ChoiceFilters filters;
    PlanInputs inputs;

    // Reloads the catalogue from the current paths and resets the choice list; the goal rows stay.
    // Returns the messages of the files that could not be read.
    QStringList LoadCatalogue();

    // The other languages' catalogues that line up with the one in force, for translating
    // goals: read on first use, kept until the next catalogue load.
    const OtherLanguages &OtherCatalogues();

private:
    OtherLanguages m_otherCatalogues;
};

// The language word of the settings file in force, the paths it gives in the data folder, and
// the caption file read into the table: the steps of a language load up to the captions.
// Empty when the settings file cannot be read (nothing then changes); otherwise the messages
// to show (an unreadable caption file).
std::optional<QStringList> LoadLanguageSettings(Workspace &workspace, const ProgramPaths &paths);
// The same from a given language word, for a caller that already knows it.
QStringList LoadLanguageWord(Workspace &workspace, const QString &dataDir, const QString &language);

} // namespace brevath
