#include "ProgramPaths.h"

#include <QStandardPaths>
#include <QStringList>
#include <sys/stat.h>

#include "LanguageSettings.h"
#include "NativePath.h"

namespace brevath {

namespace {

bool isFolder(const QString &path)
{
    struct stat status
    {
    };
    return ::stat(EncodeNativePath(path).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

QString inFolder(const QString &folder, const char *name)
{
    return folder.isEmpty() ? QString() : folder + u'/' + QLatin1String(name);
}

} // namespace

QString ProgramPaths::settingsFile() const
{
    return SettingsFilePath(settingsDir);
}

QString ProgramPaths::chartFile() const
{
    return inFolder(settingsDir, "Chart.ini");
}

QString ProgramPaths::resultsSizeFile() const
{
    return inFolder(settingsDir, "Results.ini");
}

ProgramPaths PortablePaths(const QString &folder)
{
    return ProgramPaths{folder, folder, false};
}

ProgramPaths FindProgramPaths(const QString &programFolder)
{
    if (programFolder.isEmpty())
        return ProgramPaths{};
    const qsizetype slash = programFolder.lastIndexOf(u'/');
    const QString prefix = slash <= 0 ? QString() : programFolder.left(slash);
    const QString shared = prefix + QStringLiteral("/share/brevath");
    if (!isFolder(shared))
        return PortablePaths(programFolder);
    // Qt's own rule for the user's configuration folder; empty when it has none, and then
    // nothing is kept rather than kept somewhere else.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return ProgramPaths{shared, inFolder(config, "brevath"), true};
}

bool ReadChartShown(const ProgramPaths &paths)
{
    return ReadSettingsWord(paths.chartFile()) == QStringLiteral("shown");
}

bool MakeSettingsFolder(const ProgramPaths &paths)
{
    return !paths.settingsDir.isEmpty() && MakeFolders(paths.settingsDir);
}

bool WriteChartShown(const ProgramPaths &paths, bool shown)
{
    return MakeSettingsFolder(paths)
        && WriteSettingsWord(paths.chartFile(), shown ? QStringLiteral("shown") : QStringLiteral("hidden"));
}

QSize ReadResultsSize(const ProgramPaths &paths)
{
    // "width x height" in pixels, as written below.
    const QStringList sides = ReadSettingsWord(paths.resultsSizeFile()).value_or(QString()).split(u'x');
    bool wide = false, high = false;
    const QSize size = sides.size() == 2 ? QSize(sides[0].toInt(&wide), sides[1].toInt(&high)) : QSize();
    return wide && high && size.width() > 0 && size.height() > 0 && size.width() <= 32767 && size.height() <= 32767
        ? size
        : QSize();
}

bool WriteResultsSize(const ProgramPaths &paths, const QSize &size)
{
    return MakeSettingsFolder(paths)
        && WriteSettingsWord(paths.resultsSizeFile(),
                             QString::number(size.width()) + u'x' + QString::number(size.height()));
}

} // namespace brevath
