#include "TravelOptions.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ChoiceFile.h"
#include "ChoiceFilters.h"
#include "GoalTranslation.h"
#include "PlanCommand.h"
#include "PlanComparison.h"
#include "PlanJson.h"
#include "Workspace.h"

namespace brevath {

namespace {

CategoryStates AllTicked()
{
    CategoryStates all;
    all.fill(true);
    return all;
}

int TypeCount(const CaptionTable &captions)
{
    return int(TypeListItems(captions, AllTicked()).size());
}

// A plan's name in the comparison's header.
QString SourceName(const QString &source)
{
    return LooksLikeShareCode(source) ? QCoreApplication::translate("Brevath", "share code")
                                      : QFileInfo(source).fileName();
}

// The rows of a choice file or a share code, translated where they name nothing in force.
std::optional<GoalRows> GoalsFrom(const QString &source, const std::optional<SharedPlan> &code, Workspace &workspace,
                                  std::FILE *err)
{
    GoalRows rows = FreshGoalRows(workspace.captions, TypeCount(workspace.captions));
    if (code) {
        if (const Outcome applied = ApplySharedGoals(rows, *code, workspace.catalogue, workspace.captions);
            !applied.ok) {
            PrintLine(err, applied.message);
            return std::nullopt;
        }
        return rows;
    }
    GoalRowsLoad load = ReadGoalRows(source, workspace.captions, rows.typeCount);
    if (!load.ok) {
        PrintLine(err, load.message);
        return std::nullopt;
    }
    if (const int n = TranslateGoals(load.rows, workspace.catalogue, workspace.OtherCatalogues(), workspace.captions))
        PrintLine(err, TranslatedGoalsMessage(n));
    return load.rows;
}

std::optional<SharedPlan> ReadCode(const QString &text, std::FILE *err)
{
    ShareCodeRead read = DecodeShareCode(text);
    if (read.error != ShareCodeError::None) {
        PrintLine(err, read.message);
        return std::nullopt;
    }
    return std::move(read.plan);
}

} // namespace

TravelOptions::TravelOptions()
    : m_shareOption(QStringLiteral("share"), QStringLiteral("Print the plan's share code and nothing else.")),
      m_codeOption(QStringLiteral("code"),
                   QStringLiteral("Plan from this share code instead of a choice file; sheet options given "
                                  "here override the code's."),
                   QStringLiteral("CODE")),
      m_compareOption(QStringLiteral("compare"),
                      QStringLiteral("Print, tab-separated, the level each plan reaches every goal at: this "
                                     "choice file or share code against the plan, on the same sheet."),
                      QStringLiteral("OTHER")),
      m_formatOption(QStringLiteral("format"),
                     QStringLiteral("What to print: text (the text export, default), json (sheet, goals and "
                                    "rows, UTF-8) or plan (a plan file)."),
                     QStringLiteral("FORMAT"), QStringLiteral("text"))
{}

void TravelOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOption(m_shareOption);
    parser.addOption(m_codeOption);
    parser.addOption(m_compareOption);
    parser.addOption(m_formatOption);
}

std::optional<QString> TravelOptions::usageProblem(const QCommandLineParser &parser, bool exportsAsked) const
{
    const QString format = parser.value(m_formatOption);
    if (format != u"text" && format != u"json" && format != u"plan")
        return QStringLiteral("Unknown format: give text, json or plan.");
    const int outputs = int(parser.isSet(m_shareOption)) + int(parser.isSet(m_compareOption)) + int(format != u"text")
        + int(exportsAsked);
    if (outputs > 1)
        return QStringLiteral("Give only one of --share, --compare, --format json or plan and the exports.");
    return std::nullopt;
}

int TravelOptions::positionalsWanted(const QCommandLineParser &parser) const
{
    return parser.isSet(m_codeOption) ? 0 : 1;
}

bool TravelOptions::readCode(const QCommandLineParser &parser, std::FILE *err)
{
    if (!parser.isSet(m_codeOption))
        return true;
    m_code = ReadCode(parser.value(m_codeOption), err);
    return m_code.has_value();
}

bool TravelOptions::loadGoals(Workspace &workspace, const QString &choicePath, std::FILE *err) const
{
    std::optional<GoalRows> rows = GoalsFrom(choicePath, m_code, workspace, err);
    if (rows)
        workspace.goals = std::move(*rows);
    return rows.has_value();
}

bool TravelOptions::ownsOutput(const QCommandLineParser &parser) const
{
    return parser.isSet(m_shareOption) || parser.isSet(m_compareOption) || parser.value(m_formatOption) != u"text";
}

int TravelOptions::run(const QCommandLineParser &parser, Workspace &workspace, const QString &choicePath,
                       std::FILE *out, std::FILE *err) const
{
    const QString refused = workspace.captions.entry(Caption::CommitFailed);
    const std::optional<Plan> plan =
        PlayPlan(workspace.goals, workspace.inputs, workspace.catalogue, workspace.captions);
    if (!plan) {
        PrintLine(err, refused);
        return 1;
    }
    if (parser.isSet(m_shareOption)) {
        const CategoryStates shown = m_code ? m_code->shown : AllTicked();
        PrintLine(out, EncodeShareCode(SharedPlanOf(workspace.inputs, shown, plan->list, workspace.catalogue)));
        return 0;
    }
    if (!parser.isSet(m_compareOption)) {
        const QByteArray json = PlanJson(workspace.inputs, *plan, workspace.captions);
        std::fwrite(json.constData(), 1, size_t(json.size()), out);
        return 0;
    }

    const QString other = parser.value(m_compareOption);
    std::optional<SharedPlan> otherCode;
    if (LooksLikeShareCode(other) && !(otherCode = ReadCode(other, err)))
        return 1;
    const std::optional<GoalRows> otherGoals = GoalsFrom(other, otherCode, workspace, err);
    if (!otherGoals)
        return 1;
    const std::optional<Plan> otherPlan =
        PlayPlan(*otherGoals, workspace.inputs, workspace.catalogue, workspace.captions);
    if (!otherPlan) {
        PrintLine(err, refused);
        return 1;
    }
    const QString first = m_code ? QCoreApplication::translate("Brevath", "share code") : SourceName(choicePath);
    QStringList lines{QStringList{QCoreApplication::translate("Brevath", "Goal"), first, SourceName(other),
                                  QCoreApplication::translate("Brevath", "Difference")}
                          .join(u'\t')};
    for (const ComparedGoal &goal : ComparePlans(*plan, *otherPlan))
        lines << QStringList{goal.label, ComparedLevelText(goal.firstLevel), ComparedLevelText(goal.secondLevel),
                             ComparedLevelText(goal.difference())}
                     .join(u'\t');
    for (const QString &line : lines)
        PrintLine(out, line);
    return std::fflush(out) == 0 ? 0 : 1;
}

} // namespace brevath
