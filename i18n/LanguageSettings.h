#pragma once
// The settings file and the rule that turns the language word into data file paths.

#include <QString>
#include <array>
#include <optional>

namespace brevath {

constexpr int kCategoryCount = 10;

// The catalogue file suffixes in load order; category k (1 to 10) has flag 2^(k-1).
extern const std::array<const char *, kCategoryCount> kCatalogueSuffixes;

struct LanguageSettings
{
    QString language;
    QString dataDir; // the folder holding every language's files, empty when it could not be told
    QString captionFile;
    std::array<QString, kCategoryCount> catalogueFiles;
};

// The program's data paths use '/' wherever the Windows layout uses '\'. An empty folder
// gives empty paths, which every file function refuses.
QString SettingsFilePath(const QString &programDir);
LanguageSettings LanguagePaths(const QString &programDir, const QString &language);

// The first record of a one-line settings file, as read, by the rules of every other file
// (regular files only, capped); empty when it cannot be read or holds no record.
std::optional<QString> ReadSettingsWord(const QString &path);
// Replaces the file with the one line: word, CR LF, through the safe save.
bool WriteSettingsWord(const QString &path, const QString &word);

// The first record of the settings file, used as read; empty when the file cannot be read,
// holds no record at all, or its word is not usable.
std::optional<QString> ReadLanguageWord(const QString &settingsPath);
// False for a word no data file name could hold (the longest one over 255 bytes) or one
// holding a NUL: such a settings file counts as unreadable.
bool IsUsableLanguageWord(const QString &word);
// Replaces the settings file with the one line: word, CR LF. False when it cannot be written.
bool WriteLanguageWord(const QString &settingsPath, const QString &word);

} // namespace brevath
