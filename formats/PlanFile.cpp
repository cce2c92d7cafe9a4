#include "PlanFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "CaptionTable.h"
#include "ChoiceFile.h"
#include "GoalTranslation.h"
#include "LanguageSettings.h"
#include "TextFile.h"
#include "Workspace.h"

namespace brevath {

namespace {

constexpr const char *kVersionKey = "brevath-plan";
// The sheet's boxes in commit order up to the maxima, which have an object of their own.
constexpr const char *kSheetKeys[8] = {"level", "str", "end", "dex", "sag", "int", "hp", "mp"};
constexpr int kMaximaFirst = 8;

QString Translated(const char *text)
{
    return QCoreApplication::translate("Brevath", text);
}

// The category's data file suffix without its underscore and extension: "arcs", "robes", …
QString CategoryKey(int k)
{
    const QString suffix = QLatin1String(kCatalogueSuffixes[size_t(k - 1)]);
    return suffix.mid(1, suffix.size() - 5);
}

// Reads a plan's fields; the first one that is not what a plan file holds makes it damaged.
class FieldReader
{
public:
    void text(const QJsonObject &object, const char *key, QString &out, const QString &where)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isString())
            out = value.toString();
        else if (!value.isUndefined())
            wrong(where + QLatin1String(key));
    }
    QJsonObject object(const QJsonObject &parent, const char *key)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (!value.isObject() && !value.isUndefined())
            wrong(QLatin1String(key));
        return value.toObject();
    }
    QJsonArray array(const QJsonObject &parent, const char *key)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (!value.isArray() && !value.isUndefined())
            wrong(QLatin1String(key));
        return value.toArray();
    }
    // 1 to 5 for a statistic's short name, 0 otherwise.
    static int stat(const QJsonValue &value)
    {
        for (int s = 1; s <= kStatCount; ++s) {
            if (value.toString() == StatKey(s))
                return s;
        }
        return 0;
    }
    void wrong(const QString &where)
    {
        if (m_wrong.isEmpty())
            m_wrong = where;
    }
    const QString &firstWrong() const { return m_wrong; }

private:
    QString m_wrong;
};

PlanFileRead Refused(const QString &message)
{
    return {false, PlanFile{}, message};
}

PlanFileRead Damaged(const QString &source, const QString &where)
{
    return Refused(Translated("%1 is damaged and cannot be read (%2).").arg(source, where));
}

void ReadSheet(FieldReader &in, const QJsonObject &root, PlanFile &plan)
{
    const QJsonObject sheet = in.object(root, "sheet");
    const QJsonObject maxima = in.object(sheet, "maxima");
    for (int i = 0; i < kMaximaFirst; ++i)
        in.text(sheet, kSheetKeys[i], plan.sheet[size_t(i)], QStringLiteral("sheet."));
    for (int s = 1; s <= kStatCount; ++s)
        in.text(maxima, kSheetKeys[s], plan.sheet[size_t(kMaximaFirst + s - 1)], QStringLiteral("sheet.maxima."));
    const QJsonValue priority = sheet.value(QLatin1String("priority"));
    plan.priority = FieldReader::stat(priority);
    if (plan.priority == 0 && !priority.isNull() && !priority.isUndefined())
        in.wrong(QStringLiteral("sheet.priority"));
}

void ReadCategories(FieldReader &in, const QJsonObject &root, PlanFile &plan)
{
    if (!root.contains(QLatin1String("categories"))) {
        plan.categories = DefaultCategories();
        return;
    }
    for (const QJsonValue &value : in.array(root, "categories")) {
        int k = 1;
        while (k <= kCategoryCount && value.toString() != CategoryKey(k))
            ++k;
        if (k > kCategoryCount || !value.isString())
            in.wrong(QStringLiteral("categories"));
        else
            plan.categories[size_t(k - 1)] = true;
    }
}

void ReadGoals(FieldReader &in, const QJsonArray &goals, PlanFile &plan)
{
    for (qsizetype g = 0; g < goals.size(); ++g) {
        const QJsonObject goal = goals[g].toObject();
        const QString where = QStringLiteral("goals[%1]").arg(g);
        const QJsonValue entry = goal.value(QLatin1String("entry"));
        const QJsonValue value = goal.value(QLatin1String("value"));
        const int stat = FieldReader::stat(goal.value(QLatin1String("stat")));
        const double number = value.toDouble(-1);
        if (goals[g].isObject() && entry.isString() && goal.size() == 1) {
            plan.goals.push_back({0, 0, entry.toString()});
        } else if (stat != 0 && goal.size() == 2 && value.isDouble() && number >= 0 && number <= kMaxTargetValue
                   && number == double(std::int32_t(number))) {
            plan.goals.push_back({stat, std::int32_t(number), QString()});
        } else {
            in.wrong(where);
        }
    }
}

} // namespace

CategoryStates DefaultCategories()
{
    CategoryStates states{};
    for (const int k : {1, 2, 3, 8, 9})
        states[size_t(k - 1)] = true;
    return states;
}

QLatin1StringView StatKey(int stat)
{
    static constexpr const char *keys[kStatCount] = {"str", "end", "dex", "sag", "int"};
    return QLatin1StringView(keys[stat - 1]);
}

QByteArray PlanFileBytes(const PlanFile &plan)
{
    QJsonObject sheet, maxima;
    for (int i = 0; i < kMaximaFirst; ++i)
        sheet.insert(QLatin1String(kSheetKeys[i]), plan.sheet[size_t(i)]);
    for (int s = 1; s <= kStatCount; ++s)
        maxima.insert(StatKey(s), plan.sheet[size_t(kMaximaFirst + s - 1)]);
    sheet.insert(QStringLiteral("maxima"), maxima);
    const bool chosen = plan.priority >= 1 && plan.priority <= kStatCount;
    sheet.insert(QStringLiteral("priority"),
                 chosen ? QJsonValue(StatKey(plan.priority).toString()) : QJsonValue(QJsonValue::Null));

    QJsonArray categories;
    for (int k = 1; k <= kCategoryCount; ++k) {
        if (plan.categories[size_t(k - 1)])
            categories.append(CategoryKey(k));
    }
    QJsonArray goals;
    for (const PlanGoal &goal : plan.goals) {
        if (goal.stat == 0)
            goals.append(QJsonObject{{"entry", goal.entry}});
        else
            goals.append(QJsonObject{{"stat", StatKey(goal.stat).toString()}, {"value", goal.value}});
    }
    const QJsonObject root{{kVersionKey, kPlanFileVersion},
                           {"name", plan.name},
                           {"notes", plan.notes},
                           {"language", plan.language},
                           {"sheet", sheet},
                           {"categories", categories},
                           {"goals", goals}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Outcome SavePlanFile(const QString &path, const PlanFile &plan)
{
    if (SaveFileAtomically(path, PlanFileBytes(plan)))
        return Outcome::Success();
    return Outcome::Failure(Translated("Could not save the plan to %1").arg(path));
}

bool LooksLikePlanFile(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    for (const char c : bytes) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return c == '{';
    }
    return false;
}

PlanFileRead ParsePlanFile(QByteArrayView bytes, const QString &source)
{
    if (bytes.size() > kMaxPlanFileBytes)
        return Refused(Translated("%1 is too large to be a plan file.").arg(source));
    const QString notAPlan = Translated("%1 is not a Brevath plan file.").arg(source);
    if (!LooksLikePlanFile(bytes))
        return Refused(notAPlan);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        return Damaged(source, Translated("byte %1").arg(error.offset));
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QLatin1String(kVersionKey));
    if (version.isUndefined())
        return Refused(notAPlan);
    const double number = version.toDouble(0);
    if (!version.isDouble() || number < 1 || std::floor(number) != number)
        return Damaged(source, QLatin1String(kVersionKey));
    if (number > kPlanFileVersion)
        return Refused(Translated("%1 comes from a newer version of Brevath and cannot be read here.").arg(source));

    FieldReader in;
    PlanFile plan;
    in.text(root, "name", plan.name, QString());
    in.text(root, "notes", plan.notes, QString());
    in.text(root, "language", plan.language, QString());
    ReadSheet(in, root, plan);
    ReadCategories(in, root, plan);
    const QJsonArray goals = in.array(root, "goals");
    if (goals.size() > kChoiceRows)
        return Refused(Translated("%1 holds more than %2 goals.").arg(source).arg(kChoiceRows));
    ReadGoals(in, goals, plan);
    if (!in.firstWrong().isEmpty())
        return Damaged(source, in.firstWrong());
    return {true, std::move(plan), QString()};
}

PlanFileRead ReadPlanFile(const QString &path, const QString &readFailed)
{
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return Refused(readFailed + u' ' + path);
    return ParsePlanFile(*bytes, path);
}

std::optional<std::vector<PlanGoal>> PlanGoalsOf(const GoalRows &rows, const Catalogue &catalogue,
                                                 const CaptionTable &captions)
{
    std::vector<PlanGoal> goals;
    ChoiceList list;
    for (int i = 0; i < kChoiceRows; ++i) {
        const QString &text = rows.texts[size_t(i)];
        if (IsEmptyRowText(text, captions))
            continue;
        if (rows.kinds[size_t(i)] < 1) {
            // A name the catalogue lacks stays: the player may mean an entry of another language.
            if (text != captions.entry(Caption::NoEntryItem))
                goals.push_back({0, 0, text});
            continue;
        }
        if (AddRowChoice(rows, i, list, catalogue, captions) == AddRowResult::TargetOutOfRange)
            return std::nullopt;
        const std::int32_t target = list.rows.back().target;
        goals.push_back({TargetStat(target), TargetValue(target), QString()});
    }
    return goals;
}

void PutPlanGoals(GoalRows &rows, const PlanFile &plan, const CaptionTable &captions)
{
    rows = FreshGoalRows(captions, rows.typeCount);
    ChoiceFileLoad load;
    for (const PlanGoal &goal : plan.goals) {
        if (goal.stat == 0)
            load.rows.push_back({0, -1, goal.entry});
        else
            load.rows.push_back({PackStatTarget(goal.stat, 0), goal.stat, QString::number(goal.value)});
    }
    ApplyChoiceLoad(rows, load);
}

int ApplyPlanGoals(GoalRows &rows, const PlanFile &plan, Workspace &workspace)
{
    PutPlanGoals(rows, plan, workspace.captions);
    // The other languages are read only for a plan that needs them.
    for (int row = 0; row < kChoiceRows; ++row) {
        if (RowNamesNothing(rows, row, workspace.catalogue, workspace.captions))
            return TranslateGoals(rows, workspace.catalogue, workspace.OtherCatalogues(), workspace.captions);
    }
    return 0;
}

PlanFileLoad LoadPlanFile(const QString &path, Workspace &workspace)
{
    PlanFileRead read = ReadPlanFile(path, workspace.captions.entry(Caption::ReadFailed));
    PlanFileLoad load{read.ok, read.message, std::move(read.plan), {}, 0};
    if (!load.ok)
        return load;
    load.rows.typeCount = int(TypeListItems(workspace.captions, load.plan.categories).size());
    load.translated = ApplyPlanGoals(load.rows, load.plan, workspace);
    return load;
}

} // namespace brevath
