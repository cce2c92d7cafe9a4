#pragma once
// brevath-plan's options for plans that travel: share codes in and out, two plans side by
// side, and the plan as JSON.

#include <QCommandLineParser>
#include <QString>
#include <cstdio>
#include <optional>

#include "ShareCode.h"

namespace brevath {

struct Workspace;

class TravelOptions
{
public:
    TravelOptions();
    void addTo(QCommandLineParser &parser) const;

    // After parsing: a usage problem, if any. exportsAsked: --txt or --html is given.
    std::optional<QString> usageProblem(const QCommandLineParser &parser, bool exportsAsked) const;
    int positionalsWanted(const QCommandLineParser &parser) const;

    // Reads --code when given; false with the message printed when it cannot be read.
    bool readCode(const QCommandLineParser &parser, std::FILE *err);
    const std::optional<SharedPlan> &code() const { return m_code; }

    // The goals of the code, or of the choice file, into the workspace's rows, translated
    // from another language where they name nothing in force. False when they cannot be loaded.
    bool loadGoals(Workspace &workspace, const QString &choicePath, std::FILE *err) const;

    // True when one of these options decides what is written: then run() writes it.
    bool ownsOutput(const QCommandLineParser &parser) const;
    // --format plan: the plan as a plan file, which the caller writes.
    bool writesPlanFile(const QCommandLineParser &parser) const { return parser.value(m_formatOption) == u"plan"; }
    int run(const QCommandLineParser &parser, Workspace &workspace, const QString &choicePath, std::FILE *out,
            std::FILE *err) const;

private:
    QCommandLineOption m_shareOption, m_codeOption, m_compareOption, m_formatOption;
    std::optional<SharedPlan> m_code;
};

} // namespace brevath
