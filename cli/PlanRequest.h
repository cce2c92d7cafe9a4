#pragma once
// brevath-plan's command line, read once: what to do, from which plans, on which sheet and
// where to write. Every usage rule is here; what runs a request never asks the parser again.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "PlanSource.h"

namespace brevath {

enum class PlanMode {
    Help,
    Version,
    Paths, // the data folder and the settings file in force
    Text, // the text export on standard output
    Exports, // --txt and --html
    Json,
    Page, // the page to share and print
    PlanFile,
    Share,
    Compare,
    SuggestOrder,
    Library,
};

// The sheet options, in the order of the start screen's boxes SDText1 to SDText8.
constexpr int kSheetOptionCount = 8;
QLatin1StringView SheetOptionName(int box);

struct PlanRequest
{
    PlanMode mode = PlanMode::Text;
    QString helpText;
    std::optional<QString> dataDir, language;
    PlanSource source; // the choice file, plan file or --code
    PlanSource other; // --compare
    std::array<std::optional<QString>, kSheetOptionCount> sheet; // the boxes given
    std::optional<int> priority;
    QString txtPath, htmlPath, libraryDir;
    std::optional<int> soonestRow; // --suggest-order goal:N, a row as the player numbers it; none: the sum
    std::vector<int> pins; // rows as the player numbers them, from 1

    bool fromCode() const { return source.kind == PlanSource::Kind::Code; }
};

struct PlanRequestRead
{
    std::optional<PlanRequest> request; // empty: a usage error
    QString problem;
    QString helpText;
};
PlanRequestRead ReadPlanRequest(const QStringList &arguments);

} // namespace brevath
