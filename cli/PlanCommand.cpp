#include "PlanCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "ChoiceFilters.h"
#include "GoalRows.h"
#include "Workspace.h"
#include "HtmlExport.h"
#include "NativePath.h"
#include "PlanFileOptions.h"
#include "SuggestOrder.h"
#include "TextExport.h"
#include "Translations.h"
#include "TravelOptions.h"

namespace brevath {

void PrintLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = EncodeNativePath(text) + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

namespace {

// 1 to 5, or the statistic's short name in any case; 0 when neither.
int parsePriority(const QString &text)
{
    static const char *const names[kStatCount] = {"str", "end", "dex", "sag", "int"};
    for (int s = 1; s <= kStatCount; ++s) {
        if (text == QString::number(s) || text.compare(QLatin1String(names[s - 1]), Qt::CaseInsensitive) == 0)
            return s;
    }
    return 0;
}

struct SheetOption
{
    const char *name;
    const char *description;
};

// In the order of the sheet's text boxes SDText1 to SDText8.
constexpr SheetOption kSheetOptions[] = {
    {"level", "Starting level (default 1)."},    {"str", "Starting Str (default 12)."},
    {"end", "Starting End (default 12)."},       {"dex", "Starting Dex (default 12)."},
    {"sag", "Starting Sag (default 12)."},       {"int", "Starting Int (default 12)."},
    {"hp", "Starting hit points (default 70)."}, {"mp", "Starting mana points (default 50)."},
};

} // namespace

int RunPlanCommand(const QStringList &arguments, const QString &defaultDataDir, std::FILE *out, std::FILE *err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a character's rise from a choice file and prints or saves the plan."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    const QCommandLineOption dataDirOption(QStringLiteral("data-dir"),
                                           QStringLiteral("Folder holding Brevath.ini and the language data."),
                                           QStringLiteral("DIR"));
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            QStringLiteral("Language word (default: Brevath.ini, else english)."),
                                            QStringLiteral("WORD"));
    const QCommandLineOption priorityOption(QStringLiteral("priority"),
                                            QStringLiteral("Statistic for spare points: 1-5 or str, end, dex, "
                                                           "sag, int (default dex)."),
                                            QStringLiteral("P"));
    const QCommandLineOption txtOption(QStringLiteral("txt"), QStringLiteral("Save the text export here."),
                                       QStringLiteral("PATH"));
    const QCommandLineOption htmlOption(QStringLiteral("html"), QStringLiteral("Save the HTML export here."),
                                        QStringLiteral("PATH"));
    parser.addOption(helpOption);
    parser.addOption(dataDirOption);
    parser.addOption(languageOption);
    std::vector<QCommandLineOption> sheetOptions;
    for (const SheetOption &o : kSheetOptions) {
        sheetOptions.emplace_back(QLatin1String(o.name), QLatin1String(o.description), QStringLiteral("T"));
        parser.addOption(sheetOptions.back());
    }
    parser.addOption(priorityOption);
    parser.addOption(txtOption);
    parser.addOption(htmlOption);
    TravelOptions travel;
    travel.addTo(parser);
    PlanFileOptions planFiles;
    planFiles.addTo(parser);
    const QCommandLineOption suggestOption(QStringLiteral("suggest-order"),
                                           QStringLiteral("Print the goal list in a better order for finish (the "
                                                          "last goal soonest) or sum (the levels' sum)."),
                                           QStringLiteral("OBJECTIVE"));
    const QCommandLineOption pinOption(QStringLiteral("pin"),
                                       QStringLiteral("With --suggest-order: rows that keep their place, "
                                                      "1-based, separated by commas."),
                                       QStringLiteral("ROWS"));
    parser.addOption(suggestOption);
    parser.addOption(pinOption);
    parser.addPositionalArgument(QStringLiteral("CHOICE_FILE"),
                                 QStringLiteral("The choice file or plan file to plan; a plan file's sheet "
                                                "gives way to the options given here."));

    if (!parser.parse(arguments)) {
        PrintLine(err, parser.errorText());
        PrintLine(err, parser.helpText());
        return ExitUsage;
    }
    if (parser.isSet(helpOption)) {
        PrintLine(out, parser.helpText());
        return ExitSuccess;
    }
    const int priority = parser.isSet(priorityOption) ? parsePriority(parser.value(priorityOption)) : kDefaultPriority;
    const bool positionalsRight =
        parser.positionalArguments().size() == (planFiles.listsLibrary(parser) ? 0 : travel.positionalsWanted(parser));
    const std::optional<QString> travelProblem =
        travel.usageProblem(parser, parser.isSet(txtOption) || parser.isSet(htmlOption));
    if (!positionalsRight || priority == 0 || travelProblem) {
        PrintLine(err,
                  !positionalsRight   ? QStringLiteral("Give exactly one choice file, or none with --code.")
                      : priority == 0 ? QStringLiteral("Unknown priority statistic.")
                                      : *travelProblem);
        PrintLine(err, parser.helpText());
        return ExitUsage;
    }

    const std::optional<OrderObjective> objective = ParseObjective(parser.value(suggestOption));
    const std::optional<std::vector<int>> pinned =
        parser.isSet(pinOption) ? ParsePinnedRows(parser.value(pinOption)) : std::vector<int>{};
    const bool exports = parser.isSet(txtOption) || parser.isSet(htmlOption);
    if ((parser.isSet(suggestOption) && !objective) || !pinned || (parser.isSet(pinOption) && !objective)
        || (objective && (exports || travel.ownsOutput(parser)))) {
        PrintLine(err,
                  !pinned       ? QStringLiteral("Give --pin row numbers from 1 to 81 separated by commas.")
                      : exports ? QStringLiteral("--suggest-order writes a goal list, not the plan's exports.")
                                : QStringLiteral("Give --suggest-order finish or sum."));
        PrintLine(err, parser.helpText());
        return ExitUsage;
    }

    const QString dataDir = parser.isSet(dataDirOption) ? parser.value(dataDirOption) : defaultDataDir;
    // An empty folder would put every data file at the file-system root.
    if (dataDir.isEmpty()) {
        PrintLine(err,
                  parser.isSet(dataDirOption)
                      ? QCoreApplication::translate("Brevath", "The data folder given with --data-dir is empty.")
                      : QCoreApplication::translate("Brevath",
                                                    "Cannot tell which folder this program is in; "
                                                    "give it with --data-dir."));
        return parser.isSet(dataDirOption) ? ExitUsage : ExitFailure;
    }
    QString language = QStringLiteral("english");
    if (parser.isSet(languageOption))
        language = parser.value(languageOption);
    else if (const std::optional<QString> word = ReadLanguageWord(SettingsFilePath(dataDir)))
        language = *word;
    // The messages that are not captions follow the language in force too.
    if (!defaultDataDir.isEmpty())
        UseTranslations(defaultDataDir, language);
    if (!travel.readCode(parser, err))
        return ExitFailure;

    Workspace workspace;
    for (const QString &message : LoadLanguageWord(workspace, dataDir, language))
        PrintLine(err, message);
    for (const QString &message : workspace.LoadCatalogue())
        PrintLine(err, message);
    if (planFiles.listsLibrary(parser))
        return planFiles.printLibrary(parser, workspace, out, err);
    const QString choicePath = parser.positionalArguments().value(0);
    if (!planFiles.readPlan(choicePath, workspace, err))
        return ExitFailure;

    SheetTexts texts = travel.code() ? SheetTextsOf(*travel.code()) : DefaultSheetTexts();
    int chosenPriority = travel.code() && !parser.isSet(priorityOption) ? travel.code()->priority : priority;
    planFiles.overrideSheet(texts, chosenPriority, parser.isSet(priorityOption));
    for (size_t i = 0; i < sheetOptions.size(); ++i) {
        if (parser.isSet(sheetOptions[i]))
            texts[i] = parser.value(sheetOptions[i]);
    }
    const QString commitFailed = workspace.captions.entry(Caption::CommitFailed);
    if (!CommitSheet(texts, chosenPriority, workspace.inputs)) {
        // Without entry 28 the player still learns which value was refused.
        QString refused = commitFailed;
        for (size_t i = 0; i < sheetOptions.size() && refused.isEmpty(); ++i) {
            SheetTexts alone = DefaultSheetTexts();
            alone[i] = texts[i];
            PlanInputs scratch;
            if (!CommitSheet(alone, chosenPriority, scratch))
                refused = QCoreApplication::translate("Brevath", "Refused value: --%1 %2")
                              .arg(QLatin1String(kSheetOptions[i].name), texts[i]);
        }
        PrintLine(err, refused);
        return ExitFailure;
    }

    if (planFiles.plan())
        workspace.goals = planFiles.plan()->rows;
    else if (!travel.loadGoals(workspace, choicePath, err))
        return ExitFailure;
    if (travel.writesPlanFile(parser))
        return planFiles.printPlanFile(workspace, texts, chosenPriority,
                                       travel.code() ? travel.code()->shown : DefaultCategories(),
                                       travel.code() ? QCoreApplication::translate("Brevath", "share code")
                                                     : QFileInfo(choicePath).completeBaseName(),
                                       out, err);
    if (objective)
        return PrintSuggestedOrder(workspace, *objective, *pinned, out, err);
    if (travel.ownsOutput(parser))
        return travel.run(parser, workspace, choicePath, out, err);

    const std::optional<Plan> plan =
        PlayPlan(workspace.goals, workspace.inputs, workspace.catalogue, workspace.captions);
    if (!plan) {
        PrintLine(
            err,
            !commitFailed.isEmpty()
                ? commitFailed
                : QCoreApplication::translate("Brevath", "A statistic goal of %1 is out of range.").arg(choicePath));
        return ExitFailure;
    }

    if (!parser.isSet(txtOption) && !parser.isSet(htmlOption)) {
        const QByteArray bytes = TxtBytes(*plan, workspace.captions);
        // A full disk shows only in the stream's error flag: fflush has nothing left to fail on.
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
        if (std::fflush(out) != 0 || std::ferror(out)) {
            PrintLine(err, workspace.captions.message(Caption::ExportFailed, QStringLiteral("/dev/stdout")));
            return ExitFailure;
        }
        return ExitSuccess;
    }
    int code = ExitSuccess;
    const auto report = [&](const Outcome &outcome) {
        PrintLine(err, outcome.message);
        if (!outcome.ok)
            code = ExitFailure;
    };
    if (parser.isSet(txtOption))
        report(SaveTxt(parser.value(txtOption), *plan, workspace.captions));
    if (parser.isSet(htmlOption))
        report(SaveHtml(parser.value(htmlOption), *plan, workspace.captions));
    return code;
}

} // namespace brevath
