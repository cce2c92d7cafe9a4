#include "PlanLibrary.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CaptionTable.h"
#include "NativePath.h"
#include "RowLevels.h"
#include "Workspace.h"

namespace brevath {

namespace {

// Longer names are cut: a file name holds at most 255 bytes, and a few of them are kept
// for " (2)" and the suffix.
constexpr qsizetype kMaxNameCharacters = 80;

QString FileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString BaseNameOf(const QString &path)
{
    const QString file = FileNameOf(path);
    return file.endsWith(QLatin1String(kPlanFileSuffix)) ? file.chopped(int(sizeof kPlanFileSuffix) - 1) : file;
}

QDateTime ModifiedTime(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(EncodeNativePath(path).constData(), &status) != 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1'000'000);
}

// At most limit characters, never half a pair of surrogates.
QString Cut(const QString &text, qsizetype limit)
{
    if (text.size() <= limit)
        return text;
    return text.first(text[limit - 1].isHighSurrogate() ? limit - 1 : limit);
}

} // namespace

bool RemoveFile(const QString &path)
{
    return ::unlink(EncodeNativePath(path).constData()) == 0;
}

QString LibraryFolder(const QString &dataDir)
{
    return dataDir + QStringLiteral("/plans");
}

QString BinFolder(const QString &library)
{
    return library + QStringLiteral("/bin");
}

QString PlanFileNameFor(const QString &name)
{
    QString file = Cut(name.trimmed(), kMaxNameCharacters);
    for (QChar &c : file) {
        if (c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u'_';
    }
    // A leading dot would hide the file, and "." or ".." are no names at all.
    if (file.isEmpty() || file.startsWith(u'.'))
        file.prepend(u'_');
    return file + QLatin1String(kPlanFileSuffix);
}

bool PathExists(const QString &path)
{
    struct stat status
    {
    };
    return ::lstat(EncodeNativePath(path).constData(), &status) == 0;
}

QString FreePlanName(const QString &folder, const QString &name)
{
    // Cut before the number is added, so that no cut can take the number off again.
    const QString stem = Cut(name.trimmed(), kMaxNameCharacters - 12);
    QString candidate = name;
    for (int n = 2; PathExists(folder + u'/' + PlanFileNameFor(candidate)); ++n)
        candidate = QStringLiteral("%1 (%2)").arg(stem).arg(n);
    return candidate;
}

QStringList PlanFilesIn(const QString &folder)
{
    QStringList paths;
    DIR *dir = ::opendir(EncodeNativePath(folder).constData());
    if (!dir)
        return paths;
    while (const dirent *entry = ::readdir(dir)) {
        const QString path = folder + u'/' + DecodeNativePath(entry->d_name);
        struct stat status
        {
        };
        if (path.endsWith(QLatin1String(kPlanFileSuffix)) && ::stat(EncodeNativePath(path).constData(), &status) == 0
            && S_ISREG(status.st_mode))
            paths << path;
    }
    ::closedir(dir);
    std::sort(paths.begin(), paths.end());
    return paths;
}

LibraryPlan ReadLibraryPlan(const QString &path, Workspace &workspace)
{
    LibraryPlan line;
    line.path = path;
    line.modified = ModifiedTime(path);
    PlanFileLoad load = LoadPlanFile(path, workspace);
    line.ok = load.ok;
    line.message = load.message;
    line.plan = std::move(load.plan);
    PlanInputs inputs;
    if (!line.ok) {
        line.plan.name = BaseNameOf(path);
        return line;
    }
    if (!CommitSheet(line.plan.sheet, line.plan.priority, inputs))
        return line;
    std::vector<int> levels;
    for (const int level : RowLevels(load.rows, workspace.catalogue, workspace.captions, inputs)) {
        if (level != kNoGoal)
            levels.push_back(level);
    }
    line.played = true;
    line.startLevel = inputs.SDLevel;
    line.goals = int(levels.size());
    line.score = ScoreOf(levels);
    line.allReached = !levels.empty() && std::count(levels.begin(), levels.end(), kNeverReached) == 0;
    return line;
}

std::vector<LibraryPlan> ListLibrary(const QString &folder, Workspace &workspace)
{
    std::vector<LibraryPlan> lines;
    for (const QString &path : PlanFilesIn(folder))
        lines.push_back(ReadLibraryPlan(path, workspace));
    return lines;
}

bool MoveWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = EncodeNativePath(from), target = EncodeNativePath(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot refuse to replace: a second name, then the first one dropped.
    return ::link(source.constData(), target.constData()) == 0 && ::unlink(source.constData()) == 0;
}

Outcome MoveToBin(const QString &path, const QString &library)
{
    const QString bin = BinFolder(library);
    const QString target = bin + u'/' + PlanFileNameFor(FreePlanName(bin, BaseNameOf(path)));
    if (MakeFolders(bin) && MoveWithoutReplacing(path, target))
        return Outcome::Success();
    return Outcome::Failure(QCoreApplication::translate("Brevath", "Could not move %1 to the bin.").arg(path));
}

Outcome RestoreFromBin(const QString &path, const QString &library)
{
    const QString target = library + u'/' + PlanFileNameFor(FreePlanName(library, BaseNameOf(path)));
    if (MoveWithoutReplacing(path, target))
        return Outcome::Success();
    return Outcome::Failure(QCoreApplication::translate("Brevath", "Could not restore %1.").arg(path));
}

} // namespace brevath
