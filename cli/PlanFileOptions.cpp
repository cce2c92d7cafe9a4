#include "PlanFileOptions.h"

#include <QCoreApplication>

#include "GoalTranslation.h"
#include "PlanCommand.h"
#include "PlanComparison.h"
#include "PlanLibrary.h"
#include "TextFile.h"
#include "Workspace.h"

namespace brevath {

namespace {

// A field of a tab-separated line: its own tabs and line breaks would split it.
QString OneField(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

QString LibraryLine(const LibraryPlan &line)
{
    const auto number = [&](qint64 value) { return line.played ? QString::number(value) : QString(); };
    return QStringList{OneField(line.plan.name),
                       OneField(line.plan.notes),
                       number(line.startLevel),
                       number(line.goals),
                       line.allReached ? QString::number(line.score.finish) : QString(),
                       number(line.score.sum),
                       line.modified.toString(Qt::ISODate)}
        .join(u'\t');
}

} // namespace

PlanFileOptions::PlanFileOptions()
    : m_libraryOption(QStringLiteral("library"),
                      QStringLiteral("Print one tab-separated line per plan file of this folder: name, notes, "
                                     "starting level, goals, level of the last goal (empty: one is never "
                                     "reached), sum of the levels, date."),
                      QStringLiteral("DIR"))
{}

void PlanFileOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOption(m_libraryOption);
}

int PlanFileOptions::printLibrary(const QCommandLineParser &parser, Workspace &workspace, std::FILE *out,
                                  std::FILE *err) const
{
    const QString folder = parser.value(m_libraryOption);
    if (!PathExists(folder)) {
        PrintLine(err, workspace.captions.message(Caption::ReadFailed, folder));
        return ExitFailure;
    }
    int code = ExitSuccess;
    for (const LibraryPlan &line : ListLibrary(folder, workspace)) {
        if (line.ok) {
            PrintLine(out, LibraryLine(line));
        } else {
            PrintLine(err, line.message);
            code = ExitFailure;
        }
    }
    return std::fflush(out) == 0 ? code : ExitFailure;
}

bool PlanFileOptions::readPlan(const QString &path, Workspace &workspace, std::FILE *err)
{
    // Only the first bytes tell: the reader refuses a large file itself.
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes || !LooksLikePlanFile(*bytes))
        return true;
    m_plan = LoadPlanFile(path, workspace);
    if (!m_plan->ok)
        PrintLine(err, m_plan->message);
    else if (m_plan->translated > 0)
        PrintLine(err, TranslatedGoalsMessage(m_plan->translated));
    return m_plan->ok;
}

void PlanFileOptions::overrideSheet(SheetTexts &texts, int &priority, bool priorityGiven) const
{
    if (!m_plan)
        return;
    texts = m_plan->plan.sheet;
    if (!priorityGiven)
        priority = m_plan->plan.priority;
}

int PlanFileOptions::printPlanFile(Workspace &workspace, const SheetTexts &texts, int priority,
                                   const CategoryStates &categories, const QString &name, std::FILE *out,
                                   std::FILE *err) const
{
    const std::optional<std::vector<PlanGoal>> goals =
        PlanGoalsOf(workspace.goals, workspace.catalogue, workspace.captions);
    if (!goals) {
        PrintLine(err, workspace.captions.entry(Caption::CommitFailed));
        return ExitFailure;
    }
    PlanFile plan;
    plan.name = m_plan ? m_plan->plan.name : name;
    plan.notes = m_plan ? m_plan->plan.notes : QString();
    plan.language = workspace.language.language;
    plan.sheet = texts;
    plan.priority = priority;
    plan.categories = m_plan ? m_plan->plan.categories : categories;
    plan.goals = *goals;
    const QByteArray bytes = PlanFileBytes(plan);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    return std::fflush(out) == 0 && !std::ferror(out) ? ExitSuccess : ExitFailure;
}

} // namespace brevath
