#include "LanguageSettings.h"

#include <algorithm>
#include <cstring>

#include "NativePath.h"
#include "Records.h"
#include "TextFile.h"

namespace brevath {

const std::array<const char *, kCategoryCount> kCatalogueSuffixes = {
    "_arcs.txt",    "_robes.txt",     "_armes.txt",   "_competences.txt", "_amulettes.txt",
    "_anneaux.txt", "_bracelets.txt", "_armures.txt", "_sorts.txt",       "_armuresspeciales.txt",
};

namespace {
// An empty folder gives empty paths, which no reader or writer accepts: a folder that could
// not be told must never turn into the file-system root.
QString dataPath(const QString &programDir, const QString &rest)
{
    if (programDir.isEmpty())
        return QString();
    return programDir.endsWith(u'/') ? programDir + rest : programDir + u'/' + rest;
}
} // namespace

QString SettingsFilePath(const QString &programDir)
{
    return dataPath(programDir, QStringLiteral("Brevath.ini"));
}

LanguageSettings LanguagePaths(const QString &programDir, const QString &language)
{
    LanguageSettings settings;
    settings.language = language;
    settings.dataDir = programDir;
    for (int n = 0; n < kCategoryCount; ++n)
        settings.catalogueFiles[n] =
            dataPath(programDir, language + u'/' + language + QLatin1String(kCatalogueSuffixes[n]));
    settings.captionFile = dataPath(programDir, language + QStringLiteral(".txt"));
    return settings;
}

std::optional<QString> ReadSettingsWord(const QString &path)
{
    const std::optional<QString> text = ReadTextFile(path);
    if (!text)
        return std::nullopt;
    return RecordReader(*text).ReadRecord();
}

bool WriteSettingsWord(const QString &path, const QString &word)
{
    return SaveFileAtomically(path, EncodeWindows1252(word + kLineEnd));
}

std::optional<QString> ReadLanguageWord(const QString &settingsPath)
{
    std::optional<QString> word = ReadSettingsWord(settingsPath);
    if (word && !IsUsableLanguageWord(*word))
        return std::nullopt;
    return word;
}

bool IsUsableLanguageWord(const QString &word)
{
    constexpr qsizetype kMaxFileNameBytes = 255;
    qsizetype longestSuffix = 0;
    for (const char *suffix : kCatalogueSuffixes)
        longestSuffix = std::max(longestSuffix, qsizetype(std::strlen(suffix)));
    return !word.contains(QChar(0)) && EncodeNativePath(word).size() + longestSuffix <= kMaxFileNameBytes;
}

bool WriteLanguageWord(const QString &settingsPath, const QString &word)
{
    return WriteSettingsWord(settingsPath, word);
}

} // namespace brevath
