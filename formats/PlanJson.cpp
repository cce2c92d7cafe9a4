#include "PlanJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace brevath {

namespace {

constexpr const char *kStatKeys[kStatCount] = {"str", "end", "dex", "sag", "int"};

QJsonValue OptionalLevel(const std::optional<std::int64_t> &level)
{
    return level ? QJsonValue(qint64(*level)) : QJsonValue(QJsonValue::Null);
}

} // namespace

QByteArray PlanJson(const PlanInputs &inputs, const std::vector<ReachedGoal> &goals, const std::vector<ResultRow> &rows)
{
    const std::array<std::int32_t, kStatCount> stats = {inputs.SDStr, inputs.SDEnd, inputs.SDDex, inputs.SDSag,
                                                        inputs.SDInt};
    QJsonObject sheet{{"level", inputs.SDLevel},
                      {"hp", inputs.SDPV},
                      {"mp", inputs.SDPM},
                      {"priority", kStatKeys[PriorityInForce(inputs.Priority) - 1]}};
    QJsonObject maxima;
    for (int s = 0; s < kStatCount; ++s) {
        sheet.insert(QLatin1String(kStatKeys[s]), stats[size_t(s)]);
        maxima.insert(QLatin1String(kStatKeys[s]), inputs.maxima()[size_t(s)]);
    }
    sheet.insert(QStringLiteral("maxima"), maxima);

    QJsonArray goalArray;
    for (const ReachedGoal &goal : goals)
        goalArray.append(QJsonObject{{"label", goal.label}, {"level", OptionalLevel(goal.level)}});

    QJsonArray rowArray;
    for (const ResultRow &row : rows) {
        QJsonObject line{{"level", row[ResultField::Level].toLongLong()}};
        for (int s = 1; s <= kStatCount; ++s)
            line.insert(QLatin1String(kStatKeys[s - 1]), row[size_t(s)].toLongLong());
        line.insert(QStringLiteral("hp"), row[6].toLongLong());
        line.insert(QStringLiteral("mp"), row[7].toLongLong());
        line.insert(QStringLiteral("points"), row[ResultField::Points]);
        line.insert(QStringLiteral("names"), row[ResultField::Names]);
        line.insert(QStringLiteral("extra"), row[ResultField::ExtraSum].toLongLong());
        rowArray.append(line);
    }
    return QJsonDocument(QJsonObject{{"sheet", sheet}, {"goals", goalArray}, {"rows", rowArray}})
        .toJson(QJsonDocument::Indented);
}

} // namespace brevath
