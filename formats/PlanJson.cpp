#include "PlanJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace brevath {

namespace {

constexpr const char *kStatKeys[kStatCount] = {"str", "end", "dex", "sag", "int"};

QJsonValue OptionalLevel(const std::optional<int> &level)
{
    return level ? QJsonValue(*level) : QJsonValue(QJsonValue::Null);
}

} // namespace

QByteArray PlanJson(const PlanInputs &inputs, const Plan &plan, const CaptionTable &captions)
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
    for (size_t goal = 0; goal < plan.labels.size(); ++goal)
        goalArray.append(QJsonObject{{"label", plan.labels[goal]}, {"level", OptionalLevel(plan.reachedLevel(goal))}});

    QJsonArray rowArray;
    for (const PlanLine &line : plan.lines) {
        QJsonObject row{{"level", qint64(line.level())}};
        for (int s = 1; s <= kStatCount; ++s)
            row.insert(QLatin1String(kStatKeys[s - 1]), qint64(line.stats[size_t(s)]));
        row.insert(QStringLiteral("hp"), qint64(line.hp));
        row.insert(QStringLiteral("mp"), qint64(line.mp));
        row.insert(QStringLiteral("points"), PointsText(line, captions));
        row.insert(QStringLiteral("names"), NamesText(plan, line));
        row.insert(QStringLiteral("extra"), qint64(line.extraSum));
        rowArray.append(row);
    }
    return QJsonDocument(QJsonObject{{"sheet", sheet}, {"goals", goalArray}, {"rows", rowArray}})
        .toJson(QJsonDocument::Indented);
}

} // namespace brevath
