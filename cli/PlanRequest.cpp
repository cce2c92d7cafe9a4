#include "PlanRequest.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "ChoiceFilters.h"

namespace brevath {

namespace {

struct OptionText
{
    const char *name;
    const char *description;
    const char *value; // nullptr: a flag
};

constexpr OptionText kSheetOptions[kSheetOptionCount] = {
    {"level", "Starting level (default 1).", "T"},    {"str", "Starting Str (default 12).", "T"},
    {"end", "Starting End (default 12).", "T"},       {"dex", "Starting Dex (default 12).", "T"},
    {"sag", "Starting Sag (default 12).", "T"},       {"int", "Starting Int (default 12).", "T"},
    {"hp", "Starting hit points (default 70).", "T"}, {"mp", "Starting mana points (default 50).", "T"},
};

constexpr OptionText kOptions[] = {
    {"data-dir", "Folder holding Brevath.ini and the language data.", "DIR"},
    {"language", "Language word (default: Brevath.ini, else english).", "WORD"},
    {"priority", "Statistic for spare points: 1-5 or str, end, dex, sag, int (default dex).", "P"},
    {"txt", "Save the text export here.", "PATH"},
    {"html", "Save the HTML export here.", "PATH"},
    {"share", "Print the plan's share code and nothing else.", nullptr},
    {"code", "Plan from this share code instead of a choice file; sheet options given here override the code's.",
     "CODE"},
    {"compare",
     "Print, tab-separated, the level each plan reaches every goal at: this choice file, plan file or share code "
     "against the plan; a choice file plays on the same sheet.",
     "OTHER"},
    {"format",
     "What to print: text (the text export, default), json (sheet, goals and rows, UTF-8), page (an HTML5 "
     "page to share and print, UTF-8) or plan (a plan file).",
     "FORMAT"},
    {"library",
     "Print one tab-separated line per plan file of this folder: name, notes, starting level, goals, level of the "
     "last goal (empty: one is never reached), sum of the levels, date.",
     "DIR"},
    {"suggest-order",
     "Print the goal rows in a better order for sum (the lowest sum of the levels at which the goals are reached) "
     "or goal:N (the goal on row N as early as possible, numbered as --pin's rows, then the lowest sum).",
     "OBJECTIVE"},
    {"pin",
     "With --suggest-order: goal rows that keep their place, numbered from 1 as the choice file's lines, "
     "separated by commas.",
     "ROWS"},
};

// 1 to 5, or the statistic's short name in any case; 0 when neither.
int ParsePriority(const QString &text)
{
    static const char *const names[kStatCount] = {"str", "end", "dex", "sag", "int"};
    for (int s = 1; s <= kStatCount; ++s) {
        if (text == QString::number(s) || text.compare(QLatin1String(names[s - 1]), Qt::CaseInsensitive) == 0)
            return s;
    }
    return 0;
}

// sum, or goal:N whatever row N holds: the plan tells that later. False when neither.
bool ParseObjective(const QString &text, std::optional<int> &soonestRow)
{
    bool ok = text == QLatin1String("sum");
    if (text.startsWith(QLatin1String("goal:")))
        soonestRow = text.mid(5).toInt(&ok);
    return ok;
}

// Row numbers from 1 separated by commas, each 1 to 81; empty when any is not.
std::optional<std::vector<int>> ParsePins(const QString &text)
{
    std::vector<int> rows;
    for (const QString &part : text.split(u',')) {
        bool ok = false;
        const int row = part.trimmed().toInt(&ok);
        if (!ok || row < 1 || row > kChoiceRows)
            return std::nullopt;
        rows.push_back(row);
    }
    return rows;
}

bool SamePath(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    return first.absoluteFilePath() == second.absoluteFilePath()
        || (first.exists() && first.canonicalFilePath() == second.canonicalFilePath());
}

class Parser
{
public:
    Parser()
    {
        m_parser.setApplicationDescription(
            QStringLiteral("Plays a character's rise from a choice file and prints or saves the plan."));
        m_parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")});
        m_parser.addOption({QStringLiteral("version"), QStringLiteral("Shows the version.")});
        m_parser.addOption(
            {QStringLiteral("paths"), QStringLiteral("Shows the data folder and the settings file in force.")});
        for (const OptionText &o : kOptions) {
            if (QLatin1StringView(o.name) == u"priority") { // the sheet's options go before it
                for (const OptionText &s : kSheetOptions)
                    add(s);
            }
            add(o);
        }
        m_parser.addPositionalArgument(QStringLiteral("CHOICE_FILE"),
                                       QStringLiteral("The choice file or plan file to plan; a plan file's sheet "
                                                      "gives way to the options given here."));
    }

    bool parse(const QStringList &arguments) { return m_parser.parse(arguments); }
    QString errorText() const { return m_parser.errorText(); }
    QString helpText() const { return m_parser.helpText(); }
    bool isSet(const char *name) const { return m_parser.isSet(QLatin1String(name)); }
    QString value(const char *name) const { return m_parser.value(QLatin1String(name)); }
    std::optional<QString> given(const char *name) const
    {
        return isSet(name) ? std::optional<QString>(value(name)) : std::nullopt;
    }
    QStringList positionals() const { return m_parser.positionalArguments(); }

private:
    void add(const OptionText &o)
    {
        m_parser.addOption(
            o.value ? QCommandLineOption(QLatin1String(o.name), QLatin1String(o.description), QLatin1String(o.value))
                    : QCommandLineOption(QLatin1String(o.name), QLatin1String(o.description)));
    }

    QCommandLineParser m_parser;
};

// The mode the options ask for; a usage problem when they ask for two.
std::optional<QString> ReadMode(const Parser &parser, PlanRequest &request)
{
    const QString format = parser.isSet("format") ? parser.value("format") : QStringLiteral("text");
    if (format != u"text" && format != u"json" && format != u"page" && format != u"plan")
        return QStringLiteral("Unknown format: give text, json, page or plan.");
    const std::pair<bool, PlanMode> modes[] = {
        {parser.isSet("txt") || parser.isSet("html"), PlanMode::Exports},
        {format == u"json", PlanMode::Json},
        {format == u"page", PlanMode::Page},
        {format == u"plan", PlanMode::PlanFile},
        {parser.isSet("share"), PlanMode::Share},
        {parser.isSet("compare"), PlanMode::Compare},
        {parser.isSet("suggest-order"), PlanMode::SuggestOrder},
        {parser.isSet("library"), PlanMode::Library},
    };
    int asked = 0;
    for (const auto &[set, mode] : modes) {
        if (set) {
            request.mode = mode;
            ++asked;
        }
    }
    if (asked > 1)
        return QStringLiteral("Give only one of --share, --compare, --suggest-order, --library, --format json, page or "
                              "plan and the exports.");
    return std::nullopt;
}

std::optional<QString> ReadRequest(const Parser &parser, PlanRequest &request)
{
    if (const std::optional<QString> problem = ReadMode(parser, request))
        return problem;
    const QStringList positionals = parser.positionals();
    const qsizetype wanted = request.mode == PlanMode::Library || parser.isSet("code") ? 0 : 1;
    if (positionals.size() != wanted)
        return QStringLiteral("Give exactly one choice file, or none with --code.");
    request.source =
        parser.isSet("code") ? PlanSource::Code(parser.value("code")) : PlanSource::File(positionals.value(0));
    if (parser.isSet("priority")) {
        request.priority = ParsePriority(parser.value("priority"));
        if (*request.priority == 0)
            return QStringLiteral("Unknown priority statistic.");
    }
    for (int box = 0; box < kSheetOptionCount; ++box)
        request.sheet[size_t(box)] = parser.given(kSheetOptions[box].name);
    request.dataDir = parser.given("data-dir");
    request.language = parser.given("language");
    request.txtPath = parser.value("txt");
    request.htmlPath = parser.value("html");
    // Both would be written, and only the last would stay.
    if (parser.isSet("txt") && parser.isSet("html") && SamePath(request.txtPath, request.htmlPath))
        return QStringLiteral("Give --txt and --html two different paths.");
    request.libraryDir = parser.value("library");
    if (request.mode == PlanMode::Compare)
        request.other = PlanSource::FileOrCode(parser.value("compare"));

    if (parser.isSet("pin") && request.mode != PlanMode::SuggestOrder)
        return QStringLiteral("Give --pin with --suggest-order.");
    if (request.mode == PlanMode::SuggestOrder) {
        if (!ParseObjective(parser.value("suggest-order"), request.soonestRow))
            return QStringLiteral("Give --suggest-order sum or goal:N, N a goal's row from 1.");
        const std::optional<std::vector<int>> pins =
            parser.isSet("pin") ? ParsePins(parser.value("pin")) : std::vector<int>{};
        if (!pins)
            return QStringLiteral("Give --pin row numbers from 1 to 81 separated by commas.");
        request.pins = *pins;
    }
    return std::nullopt;
}

} // namespace

QLatin1StringView SheetOptionName(int box)
{
    return QLatin1StringView(kSheetOptions[box].name);
}

PlanRequestRead ReadPlanRequest(const QStringList &arguments)
{
    Parser parser;
    PlanRequestRead read;
    read.helpText = parser.helpText();
    if (!parser.parse(arguments)) {
        read.problem = parser.errorText();
        return read;
    }
    PlanRequest request;
    request.helpText = read.helpText;
    if (parser.isSet("help")) {
        request.mode = PlanMode::Help;
    } else if (parser.isSet("version")) {
        request.mode = PlanMode::Version;
    } else if (parser.isSet("paths")) {
        request.mode = PlanMode::Paths;
        request.dataDir = parser.given("data-dir");
    } else if (const std::optional<QString> problem = ReadRequest(parser, request)) {
        read.problem = *problem;
        return read;
    }
    read.request = std::move(request);
    return read;
}

} // namespace brevath
