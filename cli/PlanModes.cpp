#include "PlanModes.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ChoiceFile.h"
#include "HtmlExport.h"
#include "PlanCommand.h"
#include "PlanComparison.h"
#include "PlanJson.h"
#include "PlanPage.h"
#include "PlanLibrary.h"
#include "ShareCode.h"
#include "TextExport.h"
#include "TextFile.h"
#include "Translations.h"

namespace brevath {

namespace {

QString Translated(const char *text)
{
    return QCoreApplication::translate("Brevath", text);
}

// The sheet a plan plays on: the source's own where it carries one, else the fallback; the
// options given on the command line over either.
PlanSheet SheetFor(const SourcedPlan &source, const PlanRequest &request, const PlanSheet &fallback)
{
    PlanSheet sheet = source.sheet.value_or(fallback);
    for (int box = 0; box < kSheetOptionCount; ++box)
        sheet.texts[size_t(box)] = request.sheet[size_t(box)].value_or(sheet.texts[size_t(box)]);
    sheet.priority = request.priority.value_or(sheet.priority);
    return sheet;
}

// The first box the commit refuses, as the player gave it or, with its name, as the source did.
QString RefusedValue(const PlanSheet &sheet, const PlanRequest &request, const QString &sourceName)
{
    static const char *const maxima[kStatCount] = {"max-str", "max-end", "max-dex", "max-sag", "max-int"};
    for (int box = 0; box < kSheetTextCount; ++box) {
        SheetTexts alone = DefaultSheetTexts();
        alone[size_t(box)] = sheet.texts[size_t(box)];
        PlanInputs scratch;
        if (CommitSheet(alone, sheet.priority, scratch))
            continue;
        const QString value = (box < kSheetOptionCount ? QStringLiteral("--") + SheetOptionName(box)
                                                       : QLatin1String(maxima[box - kSheetOptionCount]))
            + u' ' + sheet.texts[size_t(box)];
        const bool given = box < kSheetOptionCount && request.sheet[size_t(box)];
        return given ? value : QStringLiteral("%1 (%2)").arg(value, sourceName);
    }
    return {};
}

// A source read with the rules of the mode; empty, with the message told, when refused.
std::optional<SourcedPlan> Read(PlanSession &session, const PlanSource &source, PlanRole role)
{
    const UnknownGoals unknown = session.request.mode == PlanMode::Compare ? UnknownGoals::Refuse : UnknownGoals::Skip;
    SourcedPlan plan = ReadPlanSource(source, session.workspace, {unknown, SheetRule::Source, role});
    if (!plan.ok) {
        session.Tell(plan.message);
        return std::nullopt;
    }
    session.Tell(plan.notes);
    return plan;
}

// The goals played on the committed sheet; empty, with the failure told, when a target cannot be packed.
std::optional<Plan> Play(PlanSession &session, const GoalRows &rows, const PlanInputs &inputs, PlanRole role,
                         const QString &name)
{
    Workspace &w = session.workspace;
    std::optional<Plan> plan = PlayPlan(rows, inputs, w.catalogue, w.captions);
    if (!plan)
        session.Tell(
            AboutPlan(role, name,
                      FailureMessage(w.captions.entry(Caption::CommitFailed), name,
                                     QT_TRANSLATE_NOOP("Brevath", "A statistic goal of %1 is out of range."))));
    return plan;
}

QString OneField(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

ModeOutput Library(PlanSession &session)
{
    const QString folder = session.request.libraryDir;
    if (!PathExists(folder)) {
        session.Tell(session.workspace.captions.message(Caption::ReadFailed, folder));
        return {{}, ExitFailure};
    }
    ModeOutput output;
    for (const LibraryPlan &line : ListLibrary(folder, session.workspace)) {
        if (!line.ok) {
            session.Tell(line.message);
            output.code = ExitFailure;
            continue;
        }
        const auto number = [&](qint64 value) { return line.played ? QString::number(value) : QString(); };
        output.bytes +=
            LineBytes(QStringList{OneField(line.plan.name), OneField(line.plan.notes), number(line.startLevel),
                                  number(line.goals), line.allReached ? QString::number(line.score.finish) : QString(),
                                  number(line.score.sum), line.modified.toString(Qt::ISODate)}
                          .join(u'\t'));
    }
    return output;
}

// The first plan and its sheet, committed into the workspace.
struct FirstPlan
{
    SourcedPlan source;
    PlanSheet sheet;
};

std::optional<FirstPlan> ReadFirst(PlanSession &session)
{
    const PlanRequest &request = session.request;
    const PlanRole role = request.mode == PlanMode::Compare ? PlanRole::First : PlanRole::Only;
    std::optional<SourcedPlan> source = Read(session, request.source, role);
    if (!source)
        return std::nullopt;
    Workspace &w = session.workspace;
    const PlanSheet sheet = SheetFor(*source, request, PlanSheet{});
    if (!CommitSheet(sheet.texts, sheet.priority, w.inputs)) {
        session.Tell(AboutPlan(role, source->name,
                               FailureMessage(w.captions.entry(Caption::CommitFailed),
                                              RefusedValue(sheet, request, source->name),
                                              QT_TRANSLATE_NOOP("Brevath", "Refused value: %1"))));
        return std::nullopt;
    }
    w.goals = source->rows;
    return FirstPlan{std::move(*source), sheet};
}

QString SourceName(const FirstPlan &first, const PlanRequest &request)
{
    return request.source.kind == PlanSource::Kind::File && !first.source.planFile ? request.source.text
                                                                                   : first.source.name;
}

ModeOutput PlayedMode(PlanSession &session, const FirstPlan &first)
{
    const PlanRequest &request = session.request;
    Workspace &w = session.workspace;
    const std::optional<Plan> plan = Play(session, w.goals, w.inputs, PlanRole::Only, SourceName(first, request));
    if (!plan)
        return {{}, ExitFailure};
    const auto code = [&] {
        // A code or a plan file passes its ticked categories on; a choice file, the start screen's first ones.
        return EncodeShareCode(SharedPlanOf(w.inputs, first.sheet.categories, plan->list, w.catalogue));
    };
    switch (request.mode) {
    case PlanMode::Json:
        return {PlanJson(w.inputs, *plan, w.captions)};
    case PlanMode::Share:
        return {LineBytes(code())};
    case PlanMode::Page:
        return {PlanPageBytes({w.inputs, *plan, w.captions, LanguageCode(w.language.language), code()})};
    case PlanMode::Exports: {
        ModeOutput output;
        for (const Outcome &saved :
             {request.txtPath.isEmpty() ? Outcome::Success() : SaveTxt(request.txtPath, *plan, w.captions),
              request.htmlPath.isEmpty() ? Outcome::Success() : SaveHtml(request.htmlPath, *plan, w.captions)}) {
            session.Tell(saved.message);
            output.code = saved.ok ? output.code : ExitFailure;
        }
        return output;
    }
    default:
        return {TxtBytes(*plan, w.captions)};
    }
}

ModeOutput PlanFileMode(PlanSession &session, const FirstPlan &first)
{
    Workspace &w = session.workspace;
    const std::optional<std::vector<PlanGoal>> goals = PlanGoalsOf(w.goals, w.catalogue, w.captions);
    if (!goals) {
        Play(session, w.goals, w.inputs, PlanRole::Only, SourceName(first, session.request)); // tells why
        return {{}, ExitFailure};
    }
    PlanFile plan = first.source.planFile.value_or(PlanFile{});
    if (!first.source.planFile)
        plan.name =
            session.request.fromCode() ? first.source.name : QFileInfo(session.request.source.text).completeBaseName();
    plan.language = w.language.language;
    plan.sheet = first.sheet.texts;
    plan.priority = first.sheet.priority;
    plan.categories = first.sheet.categories;
    plan.goals = *goals;
    return {PlanFileBytes(plan)};
}

ModeOutput Compare(PlanSession &session, const FirstPlan &first)
{
    Workspace &w = session.workspace;
    const std::optional<SourcedPlan> other = Read(session, session.request.other, PlanRole::Second);
    if (!other)
        return {{}, ExitFailure};
    const PlanSheet sheet = SheetFor(*other, session.request, first.sheet);
    PlanInputs inputs;
    if (!CommitSheet(sheet.texts, sheet.priority, inputs)) {
        session.Tell(AboutPlan(PlanRole::Second, other->name,
                               FailureMessage(w.captions.entry(Caption::CommitFailed),
                                              RefusedValue(sheet, session.request, other->name),
                                              QT_TRANSLATE_NOOP("Brevath", "Refused value: %1"))));
        return {{}, ExitFailure};
    }
    const std::optional<Plan> plan = Play(session, w.goals, w.inputs, PlanRole::First, first.source.name);
    const std::optional<Plan> otherPlan =
        plan ? Play(session, other->rows, inputs, PlanRole::Second, other->name) : std::nullopt;
    if (!otherPlan)
        return {{}, ExitFailure};
    ModeOutput output{LineBytes(QStringList{Translated(QT_TRANSLATE_NOOP("Brevath", "Goal")), first.source.name,
                                            other->name, Translated(QT_TRANSLATE_NOOP("Brevath", "Difference"))}
                                    .join(u'\t'))};
    for (const ComparedGoal &goal : ComparePlans(*plan, *otherPlan))
        output.bytes += LineBytes(QStringList{goal.label, ComparedLevelText(goal.firstLevel),
                                              ComparedLevelText(goal.secondLevel), ComparedLevelText(goal.difference())}
                                      .join(u'\t'));
    return output;
}

ModeOutput SuggestedOrder(PlanSession &session)
{
    const PlanRequest &request = session.request;
    Workspace &w = session.workspace;
    const RowGoals goals = GoalsOfRows(w.goals, w.catalogue, w.captions);
    if (!goals.ok) {
        Play(session, w.goals, w.inputs, PlanRole::Only, request.source.text); // tells why
        return {{}, ExitFailure};
    }
    // The goal on a row as the player numbers it, or -1 when it holds none.
    const auto goalOn = [&](int row) {
        const auto at = std::find(goals.rows.begin(), goals.rows.end(), row - 1);
        return at == goals.rows.end() ? -1 : int(at - goals.rows.begin());
    };
    std::vector<bool> pinned(goals.rows.size(), false);
    for (const int pin : request.pins) {
        if (goalOn(pin) < 0) {
            session.Tell(
                Translated(QT_TRANSLATE_NOOP("Brevath", "--pin %1: row %1 holds no goal of the plan.")).arg(pin));
            return {{}, ExitUsage};
        }
        pinned[size_t(goalOn(pin))] = true;
    }
    const OrderObjective objective =
        request.soonestRow ? OrderObjective::Soonest(goalOn(*request.soonestRow)) : OrderObjective::Sum();
    if (objective.goal < 0 && request.soonestRow) {
        session.Tell(
            Translated(QT_TRANSLATE_NOOP("Brevath", "--suggest-order goal:%1: row %1 holds no goal of the plan."))
                .arg(*request.soonestRow));
        return {{}, ExitUsage};
    }
    const OrderSuggestion suggestion =
        SuggestOrder(RequestFor(goals, w.catalogue, w.inputs, objective, std::move(pinned)), nullptr, {});
    const GoalRows rows = Reordered(w.goals, RowOrder(goals.rows, suggestion.order));
    const std::optional<QString> text = RowsText(rows, w.catalogue, w.captions);
    const QString sum = QStringLiteral("sum: %1 -> %2").arg(suggestion.before.sum).arg(suggestion.after.sum);
    if (objective.goal < 0) {
        session.Tell(sum);
    } else {
        const auto level = [](int level) {
            return level == kNeverReached ? QStringLiteral("never") : QString::number(level);
        };
        session.Tell(QStringLiteral("goal %1: %2 -> %3 (%4)")
                         .arg(*request.soonestRow)
                         .arg(level(suggestion.levelsBefore[size_t(objective.goal)]),
                              level(suggestion.levelsAfter[size_t(objective.goal)]), sum));
    }
    return {EncodeWindows1252(text.value_or(QString()))}; // the same rows packed a moment ago
}

} // namespace

void PlanSession::Tell(const QString &message) const
{
    PrintLine(err, message);
}

void PlanSession::Tell(const QStringList &messages) const
{
    for (const QString &message : messages)
        PrintLine(err, message);
}

ModeOutput RunMode(PlanSession &session)
{
    if (session.request.mode == PlanMode::Library)
        return Library(session);
    const std::optional<FirstPlan> first = ReadFirst(session);
    if (!first)
        return {{}, ExitFailure};
    switch (session.request.mode) {
    case PlanMode::PlanFile:
        return PlanFileMode(session, *first);
    case PlanMode::Compare:
        return Compare(session, *first);
    case PlanMode::SuggestOrder:
        return SuggestedOrder(session);
    default:
        return PlayedMode(session, *first);
    }
}

} // namespace brevath
