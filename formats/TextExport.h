#pragma once
// The plan as tab-separated text: a header line and one line per level.

#include <QByteArray>
#include <QStringList>

#include "Plan.h"
#include "Outcome.h"

namespace brevath {

class CaptionTable;

// The header line and one line per level, without line ends.
QStringList TxtLines(const Plan &plan, const CaptionTable &captions);

// The file's bytes.
QByteArray TxtBytes(const Plan &plan, const CaptionTable &captions);

// Writes the file atomically; the message is entry 65 or 66, a blank and the path.
Outcome SaveTxt(const QString &path, const Plan &plan, const CaptionTable &captions);

// The twelve export column titles: entries 55 to 64, 76 and 77.
QStringList ExportColumnTitles(const CaptionTable &captions);

// Writes the bytes a writer produced and words the outcome for the player.
Outcome SaveExport(const QString &path, const QByteArray &bytes, const CaptionTable &captions);

} // namespace brevath
