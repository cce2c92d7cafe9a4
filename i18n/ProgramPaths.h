#pragma once
// Where the program's data lies and where its settings are kept. Beside the program (a build
// folder, an unpacked archive): both in the program's folder. Installed (the data in
// ../share/brevath from the program): the settings in the user's configuration folder, and
// nothing is ever written under the install prefix. Neither stands in for the other.

#include <QSize>
#include <QString>

namespace brevath {

struct ProgramPaths
{
    QString dataDir; // captions, language folders, translations, examples; empty when unknown
    QString settingsDir; // Brevath.ini, the chart choice, the plan library; empty when unknown
    bool installed = false;

    QString settingsFile() const;
    QString chartFile() const;
    QString resultsSizeFile() const;
};

// Data and settings both in folder.
ProgramPaths PortablePaths(const QString &folder);
// The layout of the program whose executable lies in programFolder.
ProgramPaths FindProgramPaths(const QString &programFolder);

// The settings folder made when it is missing (the user's, on a first run); false when it cannot be.
bool MakeSettingsFolder(const ProgramPaths &paths);
// Whether the results screen's chart was last left shown; false when the file cannot be read.
bool ReadChartShown(const ProgramPaths &paths);
// Keeps the choice, making the settings folder when needed; false when it cannot be kept.
bool WriteChartShown(const ProgramPaths &paths, bool shown);
// The size the player last gave the results window; invalid when the file cannot be read.
QSize ReadResultsSize(const ProgramPaths &paths);
bool WriteResultsSize(const ProgramPaths &paths, const QSize &size);

} // namespace brevath
