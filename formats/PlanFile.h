#pragma once
// Plan files: a whole plan as the player typed it, with a name and notes, in UTF-8 JSON.
//
//   {"brevath-plan": 1, "name": "…", "notes": "…", "language": "french",
//    "sheet": {"level": "1", "str": "12", …, "hp": "70", "mp": "50",
//              "maxima": {"str": "0", …}, "priority": "dex" or null},
//    "categories": ["arcs", "robes", …],
//    "goals": [{"entry": "Épée"}, {"stat": "str", "value": 40}, …]}
//
// The number under "brevath-plan" is the format's version. The sheet holds the boxes' texts,
// not committed numbers, so a plan opens as it was left; the categories are named after their
// data files; the goals name entries in the language the file names, and a reader in another
// language translates them as it does a choice file's.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "ChoiceFilters.h"
#include "GoalRows.h"
#include "Outcome.h"
#include "PlanInputs.h"

namespace brevath {

struct Workspace;

constexpr int kPlanFileVersion = 1;
constexpr qsizetype kMaxPlanFileBytes = qsizetype(1) << 20;
inline constexpr char kPlanFileSuffix[] = ".brevath";

// A goal as the file holds it: a statistic 1 to 5 and its target, or the name of an entry.
struct PlanGoal
{
    int stat = 0;
    std::int32_t value = 0;
    QString entry;

    bool operator==(const PlanGoal &) const = default;
};

struct PlanFile
{
    QString name;
    QString notes;
    QString language; // the word of the language the entries are named in
    SheetTexts sheet = DefaultSheetTexts();
    int priority = 0; // the option selected, 1 to 5; 0 when none is
    CategoryStates categories{};
    std::vector<PlanGoal> goals;

    bool operator==(const PlanFile &) const = default;
};

// The categories the start screen ticks until the player changes them.
CategoryStates DefaultCategories();
// The short names of the statistics in files and on the command line: str, end, dex, sag, int.
QLatin1StringView StatKey(int stat);

QByteArray PlanFileBytes(const PlanFile &plan);
// Written with the safe save; the message on failure names the path.
Outcome SavePlanFile(const QString &path, const PlanFile &plan);

// True when the bytes begin as a plan file does, for telling one from a choice file.
bool LooksLikePlanFile(QByteArrayView bytes);

struct PlanFileRead
{
    bool ok = false;
    PlanFile plan; // only when ok: a file is read whole or not at all
    QString message; // why it was refused
};
// source names the file in the messages.
PlanFileRead ParsePlanFile(QByteArrayView bytes, const QString &source);
// readFailed: caption entry 39, for a file that cannot be read at all.
PlanFileRead ReadPlanFile(const QString &path, const QString &readFailed);

// The goals of the rows as a plan file holds them: statistic rows with their packed targets,
// catalogue rows with their text, even a name the catalogue in force lacks. Empty when a
// statistic value cannot be packed.
std::optional<std::vector<PlanGoal>> PlanGoalsOf(const GoalRows &rows, const Catalogue &catalogue,
                                                 const CaptionTable &captions);

// The plan's goals over fresh rows of the rows' type count, as the file names them.
void PutPlanGoals(GoalRows &rows, const PlanFile &plan, const CaptionTable &captions);
// The same, translated from another language where they name nothing in force. Returns how
// many were translated.
int ApplyPlanGoals(GoalRows &rows, const PlanFile &plan, Workspace &workspace);

// A plan file as a source of a plan: what it carries and its goals as rows.
struct PlanFileLoad
{
    bool ok = false;
    QString message;
    PlanFile plan;
    GoalRows rows;
    int translated = 0;
};
PlanFileLoad LoadPlanFile(const QString &path, Workspace &workspace);

} // namespace brevath
