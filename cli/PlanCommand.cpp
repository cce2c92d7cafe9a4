#include "PlanCommand.h"

#include <QCoreApplication>
#include <cerrno>
#include <unistd.h>

#include "NativePath.h"
#include "PlanModes.h"
#include "PlanRequest.h"
#include "TextFile.h"
#include "Translations.h"

using namespace Qt::StringLiterals;

namespace brevath {

QByteArray LineBytes(const QString &text)
{
    return EncodeNativePath(text) + '\n';
}

void PrintLine(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = LineBytes(text);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

namespace {

// The one way out: every byte a mode prints is written here, and a write that fails, or a
// close that tells of an earlier one, fails the run. No stdio buffer stands between: once
// the C library has dropped a failed buffer its flush reports nothing.
int Deliver(const ModeOutput &output, int out, const CaptionTable &captions, std::FILE *err)
{
    bool written = true;
    for (qsizetype done = 0; written && done < output.bytes.size();) {
        const ssize_t n = ::write(out, output.bytes.constData() + done, size_t(output.bytes.size() - done));
        written = n > 0 || (n < 0 && errno == EINTR);
        done += std::max<ssize_t>(n, 0);
    }
    if (!output.bytes.isEmpty())
        written = ::close(out) == 0 && written;
    if (written)
        return output.code;
    PrintLine(err,
              FailureMessage(captions.entry(Caption::ExportFailed), QStringLiteral("/dev/stdout"),
                             QT_TRANSLATE_NOOP("Brevath", "Could not write %1.")));
    return ExitFailure;
}

// The data folder, or the message and exit code of a run that cannot have one.
std::optional<QString> DataFolder(const PlanRequest &request, const QString &defaultDataDir, std::FILE *err)
{
    const QString dataDir = request.dataDir.value_or(defaultDataDir);
    // An empty folder would put every data file at the file-system root.
    if (dataDir.isEmpty())
        PrintLine(err,
                  request.dataDir
                      ? QCoreApplication::translate("Brevath", "The data folder given with --data-dir is empty.")
                      : QCoreApplication::translate("Brevath",
                                                    "Cannot tell which folder this program is in; "
                                                    "give it with --data-dir."));
    return dataDir.isEmpty() ? std::nullopt : std::optional<QString>(dataDir);
}

} // namespace

int RunPlanCommand(const QStringList &arguments, const ProgramPaths &programPaths, int out, std::FILE *err)
{
    const PlanRequestRead read = ReadPlanRequest(arguments);
    if (!read.request) {
        PrintLine(err, read.problem);
        PrintLine(err, read.helpText);
        return ExitUsage;
    }
    const PlanRequest &request = *read.request;
    if (request.mode == PlanMode::Help)
        return Deliver({LineBytes(request.helpText)}, out, CaptionTable(), err);
    if (request.mode == PlanMode::Version)
        return Deliver({LineBytes(QStringLiteral("brevath-plan " BREVATH_VERSION))}, out, CaptionTable(), err);
    const ProgramPaths paths = request.dataDir ? PortablePaths(*request.dataDir) : programPaths;
    if (request.mode == PlanMode::Paths) // empty when the program's own folder cannot be told
        return Deliver(
            {LineBytes(u"data folder\t"_s + paths.dataDir) + LineBytes(u"settings file\t"_s + paths.settingsFile())},
            out, CaptionTable(), err);
    const std::optional<QString> dataDir = DataFolder(request, programPaths.dataDir, err);
    if (!dataDir)
        return request.dataDir ? ExitUsage : ExitFailure;

    PlanSession session{request, err, {}};
    const QString language =
        request.language ? *request.language : ReadLanguageWord(paths.settingsFile()).value_or(u"english"_s);
    // The messages that are not captions follow the language in force too.
    if (!programPaths.dataDir.isEmpty())
        UseTranslations(programPaths.dataDir, language);
    const QStringList captionMessages = LoadLanguageWord(session.workspace, *dataDir, language);
    session.Tell(captionMessages);
    session.Tell(session.workspace.LoadCatalogue());
    // Without a caption file or any entry a plan would be empty columns: no plan, and where
    // the data was sought. A short caption file still plans, as the desktop does.
    if ((!captionMessages.isEmpty() && !ReadFileBytes(session.workspace.language.captionFile))
        || session.workspace.catalogue.count() == 0) {
        session.Tell(
            QCoreApplication::translate("Brevath", "No data for the language %1 in %2.").arg(language, *dataDir));
        return ExitFailure;
    }
    return Deliver(RunMode(session), out, session.workspace.captions, err);
}

} // namespace brevath
