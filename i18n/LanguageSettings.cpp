#include "LanguageSettings.h"

#include "Records.h"
#include "TextFile.h"

namespace brevath {

const std::array<const char *, kCategoryCount> kCatalogueSuffixes = {
    "_arcs.txt",      "_robes.txt",     "_armes.txt",     "_competences.txt", "_amulettes.txt",
    "_anneaux.txt",   "_bracelets.txt", "_armures.txt",   "_sorts.txt",       "_armuresspeciales.txt",
};

namespace {
QString dataDir(const QString &programDir)
{
    return programDir + u'/';
}
} // namespace

QString SettingsFilePath(const QString &programDir)
{
    return dataDir(programDir) + QStringLiteral("Brevath.ini");
}

LanguageSettings LanguagePaths(const QString &programDir, const QString &language)
{
    const QString d = dataDir(programDir);
    LanguageSettings settings;
    settings.language = language;
    for (int n = 0; n < kCategoryCount; ++n)
        settings.catalogueFiles[n] = d + language + u'/' + language + QLatin1String(kCatalogueSuffixes[n]);
    settings.captionFile = d + language + QStringLiteral(".txt");
    return settings;
}

std::optional<QString> ReadLanguageWord(const QString &settingsPath)
{
    const std::optional<QString> text = ReadTextFile(settingsPath);
    if (!text)
        return std::nullopt;
    return RecordReader(*text).ReadRecord();
}

bool WriteLanguageWord(const QString &settingsPath, const QString &word)
{
    return SaveFileAtomically(settingsPath, EncodeWindows1252(word + QStringLiteral("\r\n")));
}

} // namespace brevath
