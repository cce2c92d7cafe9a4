#pragma once
// brevath-plan and plan files: a plan file in place of a choice file, --format plan, and
// --library, which lists a folder of them.

#include <QCommandLineParser>
#include <QString>
#include <cstdio>
#include <optional>

#include "PlanFile.h"

namespace brevath {

struct Workspace;

class PlanFileOptions
{
public:
    PlanFileOptions();
    void addTo(QCommandLineParser &parser) const;

    // --library DIR: one line per plan of the folder, and nothing else to do.
    bool listsLibrary(const QCommandLineParser &parser) const { return parser.isSet(m_libraryOption); }
    int printLibrary(const QCommandLineParser &parser, Workspace &workspace, std::FILE *out, std::FILE *err) const;

    // Reads the path when it holds a plan file; false, with the message printed, when that
    // cannot be read. Any other path is left to the choice file reader.
    bool readPlan(const QString &path, Workspace &workspace, std::FILE *err);
    const std::optional<PlanFileLoad> &plan() const { return m_plan; }

    // The sheet and priority the plan file carries, under the options given on the command line.
    void overrideSheet(SheetTexts &texts, int &priority, bool priorityGiven) const;

    // --format plan: the plan in force, its goal rows in the workspace, as a plan file on out.
    int printPlanFile(Workspace &workspace, const SheetTexts &texts, int priority, const CategoryStates &categories,
                      const QString &name, std::FILE *out, std::FILE *err) const;

private:
    QCommandLineOption m_libraryOption;
    std::optional<PlanFileLoad> m_plan;
};

} // namespace brevath
