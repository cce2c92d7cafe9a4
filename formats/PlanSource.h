#pragma once
// Every way goals come in to be played: a choice file, a share code, a plan file, the choice
// screen's rows. Each becomes goal rows named in the language in force and, where the source
// carries one, its sheet. Both programs read their plans here and play them with PlayPlan, so
// one source gives one plan wherever it is used.

#include <QString>
#include <QStringList>
#include <optional>

#include "ChoiceFilters.h"
#include "GoalRows.h"
#include "PlanFile.h"
#include "PlanInputs.h"

namespace brevath {

struct Workspace;

// What a plan is played on besides its goals.
struct PlanSheet
{
    SheetTexts texts = DefaultSheetTexts();
    int priority = kDefaultPriority;
    CategoryStates categories = DefaultCategories();

    bool operator==(const PlanSheet &) const = default;
};

struct PlanSource
{
    enum class Kind { File, Code, Plan, Rows };
    Kind kind = Kind::File;
    QString text; // the path of a file (a plan file or a choice file, told by its bytes), or a code
    PlanFile plan; // a plan file already read
    GoalRows rows; // the screen's rows

    static PlanSource File(const QString &path) { return {Kind::File, path, {}, {}}; }
    static PlanSource Code(const QString &code) { return {Kind::Code, code, {}, {}}; }
    static PlanSource Plan(const PlanFile &plan) { return {Kind::Plan, QString(), plan, {}}; }
    static PlanSource Rows(const GoalRows &rows) { return {Kind::Rows, QString(), {}, rows}; }
    // A text given for either: a path that exists is a file, else a text that looks like a code is one.
    static PlanSource FileOrCode(const QString &text);
};

// Goals that name nothing in force once translated.
enum class UnknownGoals {
    Skip, // the plan goes on without them and the player is told how many
    Refuse, // the plan is refused: a comparison that skips one would mislead
};

// Whose sheet a source that carries one plays on.
enum class SheetRule {
    Source, // its own: one code or plan file gives one plan wherever it is used
    Caller, // the caller's: only its goals are wanted
};

// Which plan the messages are about, when there are two.
enum class PlanRole { Only, First, Second };

struct PlanRules
{
    UnknownGoals unknown = UnknownGoals::Skip;
    SheetRule sheet = SheetRule::Source;
    PlanRole role = PlanRole::Only;
    // The caller's ticked categories: the type lists of the rows of a source without a sheet.
    CategoryStates categories = DefaultCategories();
};

struct SourcedPlan
{
    bool ok = false;
    QString message; // why it was refused
    QStringList notes; // what to tell the player about a plan read: goals translated or skipped
    QString name; // for titles: a choice file's name, a plan file's own name, "share code"
    std::optional<PlanSheet> sheet; // the source's own, when it carries one and the rule takes it
    std::optional<PlanFile> planFile; // a plan file's whole content, for what passes it on
    GoalRows rows; // type lists of the sheet's categories, else of the caller's
};

SourcedPlan ReadPlanSource(const PlanSource &source, Workspace &workspace, const PlanRules &rules);

// A message about one of two plans says which one; about the only one it stands as it is.
QString AboutPlan(PlanRole role, const QString &name, const QString &message);

// A failure told in the caption file's words and what failed (a path, a value); when the entry
// is empty, in the fallback's words (%1 what failed), so a message never lacks either.
QString FailureMessage(const QString &entryText, const QString &what, const char *fallback);

} // namespace brevath
