#pragma once
// brevath-plan: plays a choice file from the command line exactly as the desktop program
// plays it, and writes the same exports.

#include <QStringList>
#include <cstdio>

#include "ProgramPaths.h"

namespace brevath {

enum ExitCode { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// One line to a stream; a path in it goes out as the bytes it names.
void PrintLine(std::FILE *stream, const QString &text);
// The bytes of one line, as PrintLine writes them.
QByteArray LineBytes(const QString &text);

// Runs the command with the given arguments (the program name first), native paths as
// NativePath.h decodes them. programPaths are the program's own, in force when --data-dir
// is not given (which names one folder holding both the data and Brevath.ini); empty folders
// when they cannot be told. What the command prints goes to the file descriptor out, which it
// closes; its messages go to err.
int RunPlanCommand(const QStringList &arguments, const ProgramPaths &programPaths, int out, std::FILE *err);

} // namespace brevath
