#pragma once
// The player's plans: a folder of plan files, one per plan and named after it, and a bin
// inside it from which a deleted plan can come back. Nothing here ever replaces a file
// unasked: the window asks first, and what moves never lands on something already there.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "OrderAssistant.h"
#include "Outcome.h"
#include "PlanFile.h"

namespace brevath {

struct Workspace;

// The library of the program whose data lies in dataDir.
QString LibraryFolder(const QString &dataDir);
QString BinFolder(const QString &library);

// The file name of a plan of this name: the name with every character no file name may hold
// replaced, shortened if need be, then the suffix.
QString PlanFileNameFor(const QString &name);
// The name itself when no file of its file name stands in the folder, else "name (2)", "name (3)", …
QString FreePlanName(const QString &folder, const QString &name);
bool PathExists(const QString &path);

// The plan files of a folder (not of its sub-folders), by file name.
QStringList PlanFilesIn(const QString &folder);

// One line of the library: the plan and what it gives on its own sheet in the language in force.
struct LibraryPlan
{
    QString path;
    QDateTime modified;
    bool ok = false; // false: the file could not be read, and message says why
    QString message;
    PlanFile plan;
    bool played = false; // false: its sheet or a statistic target cannot be committed
    std::int32_t startLevel = 0;
    int goals = 0; // the goals it plays: the names the catalogue in force holds and statistic targets
    bool allReached = false; // then score.finish is the level of its last goal
    OrderScore score; // a goal never reached counts as level 200, as the order assistant counts it
};

LibraryPlan ReadLibraryPlan(const QString &path, Workspace &workspace);
std::vector<LibraryPlan> ListLibrary(const QString &folder, Workspace &workspace);

bool RemoveFile(const QString &path);
// Moves a file where nothing stands yet; false when something does or the move fails.
bool MoveWithoutReplacing(const QString &from, const QString &to);
// Into the bin, under a free name there; the bin is made when missing.
Outcome MoveToBin(const QString &path, const QString &library);
// From the bin back into the library, under a free name there.
Outcome RestoreFromBin(const QString &path, const QString &library);

} // namespace brevath
